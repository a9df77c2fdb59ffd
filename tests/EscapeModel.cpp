#include "tests/EscapeModel.h"

namespace model {

const std::u16string kEmptyInputMessage = u"请先输入要转换的内容!";
const std::u16string kNoEscapeMessage = u"文本框中没有合法的unicode代码!";

namespace {

const std::u16string kIntroducer = u"\\u";

void appendEscape(std::u16string& out, char16_t unit) {
    static const char16_t digits[] = u"0123456789abcdef";
    out += kIntroducer;
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(unit >> shift) & 0xF];
}

int hexValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') return unit - u'0';
    if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
    return -1;
}

// One piece after an introducer: its leading digits (among its first four
// code units) give one code unit; code units from the fifth on stay.
void appendRestoredPiece(std::u16string& out, const std::u16string& piece) {
    const std::size_t head = piece.size() < 4 ? piece.size() : 4;
    char16_t value = 0;
    for (std::size_t i = 0; i < head && hexValue(piece[i]) >= 0; ++i)
        value = static_cast<char16_t>(value * 16 + hexValue(piece[i]));
    out += value;
    if (piece.size() > 4) out.append(piece, 4, std::u16string::npos);
}

}  // namespace

std::u16string escapeAll(const std::u16string& content) {
    if (content.empty()) return kEmptyInputMessage;
    std::u16string out;
    out.reserve(content.size() * 6);
    for (char16_t unit : content) appendEscape(out, unit);
    return out;
}

std::u16string escapeNonAscii(const std::u16string& content) {
    if (content.empty()) return kEmptyInputMessage;
    std::size_t escaped = 0;
    for (char16_t unit : content) escaped += unit > 127;
    std::u16string out;
    out.reserve(content.size() + escaped * 5);
    for (char16_t unit : content) {
        if (unit > 127)
            appendEscape(out, unit);
        else
            out += unit;
    }
    return out;
}

std::u16string restore(const std::u16string& content) {
    if (content.empty()) return kEmptyInputMessage;
    std::size_t at = content.find(kIntroducer);
    if (at == std::u16string::npos) return kNoEscapeMessage;
    std::u16string out = content.substr(0, at);
    out.reserve(content.size());
    while (at != std::u16string::npos) {
        const std::size_t start = at + kIntroducer.size();
        const std::size_t next = content.find(kIntroducer, start);
        const std::size_t end = next == std::u16string::npos ? content.size() : next;
        appendRestoredPiece(out, content.substr(start, end - start));
        at = next;
    }
    return out;
}

}  // namespace model

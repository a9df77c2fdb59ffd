#include "bench/SampleTexts.h"

#include "script/TextConvert.h"

#include <random>
#include <vector>

namespace samples {

namespace {

const std::vector<std::u16string> kChineseWords = {
    u"我们", u"这个", u"系统", u"转换", u"文本", u"字符", u"编码", u"程序", u"用户", u"时间",
    u"问题", u"发展", u"经济", u"社会", u"中国", u"工作", u"方法", u"数据", u"处理", u"结果",
    u"可以", u"已经", u"因为", u"所以", u"但是", u"如果", u"一个", u"没有", u"进行", u"需要",
    u"的", u"了", u"在", u"是", u"和", u"也", u"就", u"都", u"而", u"及",
};
const std::vector<std::u16string> kAsciiWords = {u"Unicode", u"Windows", u"CPU", u"2026",
                                                 u"OK", u"API", u"100", u"JScript"};
const std::vector<std::u16string> kCodeLines = {
    u"    for (int i = 0; i < count; ++i) {",
    u"        total += values[i] * weight;",
    u"    }",
    u"    if (result == nullptr) return false;",
    u"static const char* kName = \"velloran\";",
    u"    std::string text = read(path, size);",
    u"}",
    u"",
    u"void update(Window& window, int x, int y) {",
    u"    window.move(x + offset, y - offset);",
};
const std::vector<std::u16string> kChineseComments = {
    u"    // 计算总和", u"    // 如果没有数据就返回", u"    /* 转换为文本 */",
};

std::size_t codePage936Size(const std::u16string& text) {
    std::size_t bytes = 0;
    for (char16_t unit : text) bytes += unit < 0x80 ? 1 : 2;
    return bytes;
}

template <class Pick>
std::u16string fill(std::size_t targetBytes, Pick pick) {
    std::u16string text;
    std::size_t bytes = 0;
    while (bytes < targetBytes) {
        const std::u16string piece = pick();
        text += piece;
        bytes += codePage936Size(piece);
    }
    return text;
}

}  // namespace

std::u16string chineseProse(std::size_t codePage936Bytes) {
    std::mt19937 random(1);
    std::size_t lineLength = 0;
    return fill(codePage936Bytes, [&] {
        std::u16string piece;
        const unsigned roll = random() % 100;
        if (roll < 6)
            piece = u" " + kAsciiWords[random() % kAsciiWords.size()] + u" ";
        else if (roll < 14)
            piece = roll < 11 ? u"，" : u"。";
        else
            piece = kChineseWords[random() % kChineseWords.size()];
        lineLength += piece.size();
        if (lineLength > 60 && roll >= 11 && roll < 14) {
            piece += u"\r\n";
            lineLength = 0;
        }
        return piece;
    });
}

std::u16string sourceCode(std::size_t codePage936Bytes) {
    std::mt19937 random(2);
    return fill(codePage936Bytes, [&] {
        const bool comment = random() % 100 < 8;
        const auto& lines = comment ? kChineseComments : kCodeLines;
        return lines[random() % lines.size()] + u"\r\n";
    });
}

std::string windowBytes(const std::u16string& text) {
    return toWindowText(std::wstring(text.begin(), text.end()));
}

}  // namespace samples

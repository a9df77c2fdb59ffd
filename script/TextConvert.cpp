#include "script/TextConvert.h"

#include "common/FatalError.h"

#include <climits>

namespace {

// The Win32 conversions count in int; BSTRs hold at most UINT code units.
int checkedCount(std::size_t count) {
    if (count > static_cast<std::size_t>(INT_MAX)) reportOutOfMemory(count * sizeof(wchar_t));
    return static_cast<int>(count);
}

Bstr allocateBstr(const wchar_t* units, std::size_t count) {
    BSTR text = SysAllocStringLen(units, static_cast<UINT>(checkedCount(count)));
    if (!text) reportOutOfMemory(count * sizeof(wchar_t));
    return Bstr(text);
}

}  // namespace

Bstr toScriptText(std::string_view text) {
    if (text.empty()) return allocateBstr(L"", 0);
    const int bytes = checkedCount(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    Bstr result = allocateBstr(nullptr, static_cast<std::size_t>(units));
    MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, result.get(), units);
    return result;
}

Bstr makeBstr(std::wstring_view units) { return allocateBstr(units.data(), units.size()); }

WindowText toWindowText(std::wstring_view units) {
    units = units.substr(0, units.find(L'\0'));
    if (units.empty()) return {};
    const int count = checkedCount(units.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, units.data(), count, nullptr, 0, nullptr, nullptr);
    WindowText result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, units.data(), count, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::string_view cutToBytes(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return text.substr(0, end < text.size() ? end : text.size());
}

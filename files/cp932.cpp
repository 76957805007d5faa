#include "files/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace tanukiban {
namespace {

// glibc's "SHIFT_JIS" maps 0x5C and 0x7E to ¥ and ‾; the Windows table keeps
// the backslash and the tilde, which is what the files hold.
constexpr const char* kCodePage = "CP932";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open reports failure as (iconv_t)-1.
    bool ok() const { return cd_ != kFailed; }

    // Converts as much as it can, appending to `out`; returns the number of
    // input bytes left unconverted (0 when all went through).
    std::size_t convert(std::string_view in, std::string& out) {
        char* inPtr = const_cast<char*>(in.data());  // iconv does not write its input
        std::size_t inLeft = in.size();
        char buffer[512];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, sizeof buffer - outLeft);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        return inLeft;
    }

  private:
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the interface's own failure value
    inline static const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_;
};

// Length of the UTF-8 sequence a byte starts; 1 for a byte that starts none.
std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

// Converts, replacing each unconvertible piece of input (one byte, or one
// UTF-8 character when `skipCharacters`) by `replacement`.
std::optional<std::string> convertReplacing(const char* to, const char* from, std::string_view in,
                                            std::string_view replacement, bool skipCharacters) {
    Converter c(to, from);
    if (!c.ok()) return std::nullopt;
    std::string out;
    while (!in.empty()) {
        const std::size_t left = c.convert(in, out);
        if (left == 0) break;
        in.remove_prefix(in.size() - left);
        std::size_t skip = skipCharacters ? utf8Length(static_cast<unsigned char>(in[0])) : 1;
        if (skip > in.size()) skip = 1;
        in.remove_prefix(skip);
        out += replacement;
    }
    return out;
}

}  // namespace

std::optional<std::string> decodeCp932(std::string_view bytes) {
    Converter c("UTF-8", kCodePage);
    if (!c.ok()) return std::nullopt;
    std::string out;
    if (c.convert(bytes, out) != 0) return std::nullopt;
    return out;
}

std::string decodeCp932Lenient(std::string_view bytes) {
    return convertReplacing("UTF-8", kCodePage, bytes, kReplacement, false).value_or("");
}

std::optional<std::string> encodeCp932(std::string_view utf8) {
    return convertReplacing(kCodePage, "UTF-8", utf8, "?", true);
}

std::optional<std::string> encodeCp932Exact(std::string_view utf8) {
    Converter c(kCodePage, "UTF-8");
    if (!c.ok()) return std::nullopt;
    std::string out;
    if (c.convert(utf8, out) != 0) return std::nullopt;
    return out;
}

}  // namespace tanukiban

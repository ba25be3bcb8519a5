// Turning the bytes of a data file into UTF-8 text with "\n" line ends.
#include "engine/data_text.h"

#include <array>
#include <cstdint>

#include "engine/utf8_text.h"

namespace engine {

namespace {

void appendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

constexpr uint32_t kReplacement = 0xFFFD;

// Code points as they come, line ends and NUL made plain on the way.
class TextBuilder {
 public:
  void add(uint32_t code) {
    if (pendingReturn_) {
      pendingReturn_ = false;
      text_ += '\n';
      if (code == '\n') return;
    }
    if (code == '\r') {
      pendingReturn_ = true;
      return;
    }
    if (code == 0) code = ' ';
    appendUtf8(text_, code);
  }
  std::string finish() {
    if (pendingReturn_) text_ += '\n';
    pendingReturn_ = false;
    return std::move(text_);
  }

 private:
  std::string text_;
  bool pendingReturn_ = false;
};

std::string decodeUtf16(std::string_view bytes, bool littleEndian) {
  TextBuilder builder;
  const auto unit = [&](size_t i) {
    const auto first = static_cast<uint8_t>(bytes[i]);
    const auto second = static_cast<uint8_t>(bytes[i + 1]);
    return littleEndian ? static_cast<uint32_t>(first | (second << 8))
                        : static_cast<uint32_t>((first << 8) | second);
  };
  size_t i = 0;
  while (i + 1 < bytes.size()) {
    const uint32_t code = unit(i);
    i += 2;
    if (code >= 0xD800 && code < 0xDC00) {
      if (i + 1 < bytes.size()) {
        const uint32_t low = unit(i);
        if (low >= 0xDC00 && low < 0xE000) {
          i += 2;
          builder.add(0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
          continue;
        }
      }
      builder.add(kReplacement);
    } else if (code >= 0xDC00 && code < 0xE000) {
      builder.add(kReplacement);
    } else {
      builder.add(code);
    }
  }
  if (i < bytes.size()) builder.add(kReplacement);
  return builder.finish();
}

bool isValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const Utf8Step step = nextUtf8(bytes, i);
    if (!step.valid) return false;
    i += step.length;
  }
  return true;
}

std::string decodeUtf8(std::string_view bytes) {
  TextBuilder builder;
  for (size_t i = 0; i < bytes.size();) {
    const Utf8Step step = nextUtf8(bytes, i);
    if (!step.valid) {
      builder.add(kReplacement);
    } else {
      const auto lead = static_cast<uint8_t>(bytes[i]);
      uint32_t code = step.length == 1   ? lead
                      : step.length == 2 ? lead & 0x1Fu
                      : step.length == 3 ? lead & 0x0Fu
                                         : lead & 0x07u;
      for (size_t j = 1; j < step.length; ++j)
        code = (code << 6) | (static_cast<uint8_t>(bytes[i + j]) & 0x3Fu);
      builder.add(code);
    }
    i += step.length;
  }
  return builder.finish();
}

// Windows-1251 bytes 0x80..0xBF; 0xC0..0xFF are А..я in order. 0x98 is unassigned.
constexpr std::array<uint16_t, 64> kWindows1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

std::string decodeWindows1251(std::string_view bytes) {
  TextBuilder builder;
  for (const char c : bytes) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte < 0x80)
      builder.add(byte);
    else if (byte < 0xC0)
      builder.add(kWindows1251High[byte - 0x80]);
    else
      builder.add(0x0410 + (byte - 0xC0));
  }
  return builder.finish();
}

bool startsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

DecodedText decodeDataText(std::string_view bytes) {
  DecodedText decoded;
  if (startsWith(bytes, "\xEF\xBB\xBF")) {
    decoded.encoding = TextEncoding::Utf8Bom;
    decoded.text = decodeUtf8(bytes.substr(3));
  } else if (startsWith(bytes, "\xFF\xFE")) {
    decoded.encoding = TextEncoding::Utf16Le;
    decoded.text = decodeUtf16(bytes.substr(2), true);
  } else if (startsWith(bytes, "\xFE\xFF")) {
    decoded.encoding = TextEncoding::Utf16Be;
    decoded.text = decodeUtf16(bytes.substr(2), false);
  } else if (bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0') {
    // ASCII digits and blanks in UTF-16 have a zero byte each; its side tells the order.
    decoded.encoding = TextEncoding::Utf16Le;
    decoded.text = decodeUtf16(bytes, true);
  } else if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] != '\0') {
    decoded.encoding = TextEncoding::Utf16Be;
    decoded.text = decodeUtf16(bytes, false);
  } else if (isValidUtf8(bytes)) {
    decoded.text = decodeUtf8(bytes);
  } else {
    decoded.encoding = TextEncoding::Windows1251;
    decoded.text = decodeWindows1251(bytes);
  }
  return decoded;
}

}  // namespace engine

#pragma once
// One owner for an iconv conversion descriptor, and the conversion loop that
// both the file decoder (CP932 to UTF-8) and the text measurer (UTF-8 to
// UTF-16) need.
//
// Damaged input never stops a conversion: every byte iconv refuses (an
// invalid sequence, or one cut off at the end) becomes the replacement text
// and the conversion carries on with the next byte, so line ends and
// separators after a damaged character survive.

#include <iconv.h>

#include <string>
#include <string_view>

namespace plotvane {

class IconvConverter {
 public:
  IconvConverter(const char* toCode, const char* fromCode);
  ~IconvConverter();
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;

  // False on a system without the converter module.
  bool valid() const { return m_cd != kInvalid; }

  // The bytes converted; `replacement` (already in the target encoding)
  // stands for every byte that does not convert. Empty when !valid().
  std::string convert(std::string_view bytes, std::string_view replacement) const;

 private:
  static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
  iconv_t m_cd;
};

}  // namespace plotvane

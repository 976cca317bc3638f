// The larger scales the painter paints every picture at besides 100 %, and where each
// scaled picture is found: platform-free, read by the painter that writes the pictures
// and by the kit that loads them (picture_sets.h).
#pragma once

#include <string>
#include <string_view>

namespace kit {

// In percent, ascending: the screen scales the programs meet most.
inline constexpr int kScalePercents[] = {125, 150, 175, 200};

// A compiled-in picture's scaled form is a resource of this type ("SET150") under the
// 100 % bitmap's id.
inline std::string scaled_resource_type(int percent) { return "SET" + std::to_string(percent); }

// A picture file's scaled form lies beside it, in a folder named by the percentage, as a
// PNG under the 100 % file's stem: "决策向导第1步.bmp" at 150 % is "150/决策向导第1步.png".
// Narrow (UTF-8 in the painter) and wide (the programs' paths).
template <class Char>
std::basic_string<Char> basic_scaled_file_name(std::basic_string_view<Char> name_100, int percent) {
  const std::string number = std::to_string(percent);
  constexpr Char kExtension[] = {'.', 'p', 'n', 'g', 0};
  return std::basic_string<Char>(number.begin(), number.end()) + Char('/') +
         std::basic_string<Char>(name_100.substr(0, name_100.rfind(Char('.')))) + kExtension;
}
inline std::string scaled_file_name(std::string_view name_100, int percent) {
  return basic_scaled_file_name(name_100, percent);
}
inline std::wstring scaled_file_name(std::wstring_view name_100, int percent) {
  return basic_scaled_file_name(name_100, percent);
}

}  // namespace kit

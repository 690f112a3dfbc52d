#include "support/reference_walk.h"

namespace lf {

TextArray SplitText(std::string_view text, std::string_view delimiter) {
  TextArray members;
  if (text.empty()) return members;
  if (delimiter.empty()) {
    members.Append(Text::Copy(text));
    return members;
  }
  // Each search starts at a character start: the text's, or the end of a
  // delimiter found at one.
  std::size_t start = 0;
  for (std::int32_t at; (at = FindText(text.substr(start), delimiter)) != -1;
       start += static_cast<std::size_t>(at - 1) + delimiter.size())
    members.Append(Text::Copy(text.substr(start, static_cast<std::size_t>(at - 1))));
  if (start < text.size()) members.Append(Text::Copy(text.substr(start)));
  return members;
}

}  // namespace lf

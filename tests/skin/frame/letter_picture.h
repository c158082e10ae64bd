// Pictures written as rows of letters, so expected drawings read as pictures in tests: every
// letter is its own colour, '#' is magenta (transparent), '.' is black, '+' is (255, 1, 255).
#pragma once

#include <initializer_list>
#include <string>

#include "runtime/bitmap.h"
#include "runtime/types.h"

namespace varnelta::test {

inline TColor LetterColour(char c) {
  switch (c) {
    case '#': return 0xFF00FF;
    case '.': return 0x000000;
    case '+': return 0xFF01FF;
    default: {
      const auto v = static_cast<TColor>(static_cast<unsigned char>(c));
      return v | ((255 - v) << 8) | (0x40u << 16);
    }
  }
}

inline char ColourLetter(TColor colour) {
  for (char c : std::string("#.+abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"))
    if (LetterColour(c) == colour) return c;
  return '?';
}

inline TBitmap LetterPicture(std::initializer_list<std::string> rows) {
  const int height = static_cast<int>(rows.size());
  const int width = height > 0 ? static_cast<int>(rows.begin()->size()) : 0;
  TBitmap picture(width, height);
  int y = 0;
  for (const std::string& row : rows) {
    for (int x = 0; x < width && x < static_cast<int>(row.size()); ++x)
      picture.SetColour(x, y, LetterColour(row[static_cast<std::size_t>(x)]));
    ++y;
  }
  return picture;
}

// The picture as rows of letters joined by '\n' ('?' for a colour no letter has).
inline std::string PictureText(const TBitmap& picture) {
  std::string text;
  for (int y = 0; y < picture.Height(); ++y) {
    if (y > 0) text += '\n';
    for (int x = 0; x < picture.Width(); ++x) text += ColourLetter(picture.Colour(x, y));
  }
  return text;
}

}  // namespace varnelta::test

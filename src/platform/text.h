#pragma once

#include <string>
#include <string_view>

namespace lumbrix {

// Column helpers on UTF-8 text with the semantics of the classic string functions. Every
// position and length counts characters (Unicode code points), not bytes, so fixed-column
// records keep their layout with letters such as õ or š. Positions are 1-based. A byte that
// is not part of well-formed UTF-8 counts as one character and is kept as it is.
//
// Arguments that the classic functions refuse (a negative length, a start below 1) raise
// VbError 5 "Invalid procedure call or argument".

// Number of characters.
int Len(std::string_view s);

// The first n characters (all of s when it is shorter).
std::string Left(std::string_view s, int n);

// The last n characters (all of s when it is shorter).
std::string Right(std::string_view s, int n);

// length characters from character start on; "" when start lies beyond the end.
std::string Mid(std::string_view s, int start, int length);

// Everything from character start on; "" when start lies beyond the end.
std::string Mid(std::string_view s, int start);

// n spaces.
std::string Space(int n);

// Leading and/or trailing spaces removed (spaces only: tabs and other blanks stay).
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Position of the first occurrence of find in s at or after character start (1-based), or 0.
// An empty find gives start when start lies within s (or just behind a non-empty s);
// an empty s gives 0.
int InStr(int start, std::string_view s, std::string_view find);
int InStr(std::string_view s, std::string_view find);

// Upper or lower case: ASCII, the Latin-1 letters and the Baltic letters of Windows-1257
// (õ ä ö ü š ž ą č ė į ų ū ā ē ģ ī ķ ļ ņ ō ŗ ł ń ś ź ż ć ę and their capitals).
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);

// Every occurrence of find replaced by with, left to right, case-sensitive. An empty find
// leaves s unchanged.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);

// s padded with spaces or cut to exactly width characters, for fixed-column records.
std::string PadRight(std::string_view s, int width);

// Case-insensitive text order for sorted lists: negative, 0 or positive as a sorts before,
// equal to or after b. Characters compare by their lower-case code points, so "abc", "ABC"
// and "Abc" are equal and a shorter text sorts before a longer one that starts with it.
int StrCompText(std::string_view a, std::string_view b);

}  // namespace lumbrix

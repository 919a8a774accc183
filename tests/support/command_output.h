#pragma once

#include <string>

namespace lumbrix::test {

// What a shell command writes to its standard output (and, where the command says so, its
// standard error); empty when it cannot be run.
std::string commandOutput(const std::string& command);

// The text of a PDF file as the distribution's PDF text tool reads it, in UTF-8: laid out as
// printed when `layout`, else in reading order. Pages end in "\f". Ligature glyphs that the
// printer makes of "fi" and "fl" are given back as their letters.
std::string pdfText(const std::string& file, bool layout);

}  // namespace lumbrix::test

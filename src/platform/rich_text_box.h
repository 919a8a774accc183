#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/control.h"
#include "platform/rtf.h"

namespace lumbrix {

// A rich-text box: plain text with bold, italic and underline kept for each character.
// Positions and lengths count characters of the UTF-8 text, from 0; paragraph breaks are
// "\r\n". Change is raised when the text changes (never for a change of styles alone),
// SelChange when the selection or the caret moves, each once per change and only after the
// box has taken its new state.
//
// The typing format is what the next inserted text gets. Moving the selection takes it from
// the text: the first selected character, or with an empty selection the character before
// the caret (the first character with the caret at the start). Setting a style on an empty
// selection changes only the typing format.
class RichTextBox : public Control {
  public:
    RichTextBox(Form& form, std::string name, int index = -1);

    const std::string& text() const { return text_; }
    // Replaces the whole content with unformatted text and puts the caret at the start.
    void setText(const std::string& text);

    // One format per character of text().
    const std::vector<CharFormat>& formats() const { return formats_; }
    // The text with its formats; setting it replaces the whole content (caret at the start),
    // as loading a document does.
    RichText content() const { return RichText{text_, formats_}; }
    void setContent(RichText doc) { replaceContent(std::move(doc.text), std::move(doc.formats)); }
    const CharFormat& typingFormat() const { return typing_; }

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    // The caret at `start` (beyond the end: at the end), nothing selected. Error 380 when
    // negative.
    void setSelStart(int start);
    // Selects `length` characters from the caret on, as many as there are. Error 380 when
    // negative.
    void setSelLength(int length);
    // The planner moved the selection: both at once, one SelChange.
    void select(int start, int length);

    std::string selText() const;
    // Replaces the selection with `text` in the typing format and puts the caret after it.
    void setSelText(const std::string& text);
    // The planner typed (or pasted) `text` over the selection; "" deletes the selection.
    void typeText(const std::string& text);

    // The style of the selection: true or false when every selected character agrees,
    // nullopt when they differ; with an empty selection, the typing format's style.
    std::optional<bool> selBold() const { return selStyle(&CharFormat::bold); }
    std::optional<bool> selItalic() const { return selStyle(&CharFormat::italic); }
    std::optional<bool> selUnderline() const { return selStyle(&CharFormat::underline); }
    // Sets the style on every selected character, or on the typing format when nothing is
    // selected.
    void setSelBold(bool on) { setSelStyle(&CharFormat::bold, on); }
    void setSelItalic(bool on) { setSelStyle(&CharFormat::italic, on); }
    void setSelUnderline(bool on) { setSelStyle(&CharFormat::underline, on); }

    // Writes the content as an RTF document. Any failure raises error 75 "Path/File access
    // error" and leaves an existing file as it was.
    void saveFile(const std::filesystem::path& path) const;
    // Replaces the content with an RTF document's text and formats, caret at the start.
    // A missing file raises 53 (76 for a missing folder), a file that is not RTF
    // vberr::kInvalidFileFormat; on any error the box keeps its content.
    void loadFile(const std::filesystem::path& path);

    Event<> Change;
    Event<> SelChange;

  private:
    using Style = bool CharFormat::*;

    std::optional<bool> selStyle(Style style) const;
    void setSelStyle(Style style, bool on);
    int charCount() const { return static_cast<int>(formats_.size()); }
    // Puts the selection at start/length (clamped) and takes the typing format from the text.
    // Returns true when the selection moved.
    bool placeSelection(int start, int length);
    // Replaces the whole content; the caret goes to the start.
    void replaceContent(std::string text, std::vector<CharFormat> formats);

    std::string text_;
    std::vector<CharFormat> formats_;
    CharFormat typing_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace lumbrix

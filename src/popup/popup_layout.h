#pragma once
// Putting a text into the translation popup, sizing, placing and gliding it, and hiding it; the
// copy of a text to the clipboard; Unicode text in and out of the popup's rich text box.

#include <cstdint>
#include <string>

#include "core/forms.h"

namespace plv {

class App;

// Fills the popup with the text and sizes it to fit: as narrow as one line needs, else
// "transwidth" pixels of text wide, as tall as the lines plus margins and the link row; places
// it under the icon within the screen. A visible popup glides to its new size; a hidden one stays
// hidden.
void LayoutPopup(App& app, const std::u16string& text);

// Brings the form to the width, height and left (twips), growing it step by step when
// "SmoothGlide" is on. A glide only animates growth; a newer glide makes an older one stop.
void GlideWindow(App& app, Form& form, std::int32_t width, std::int32_t height, std::int32_t left);

// The work area (the monitor less the taskbar and docked bars, in pixels) of the monitor where
// the last selection ended, or of the nearest one. Asked anew each time, since monitors come and
// go; a placement asks once and hands it to the two rules below.
RectPx SelectionWorkArea(App& app);

// The popup's screen fit, in twips, on the work area: a popup past its right or bottom edge is
// moved back (the icon moving up with it to stay above it), and one left of or above it is moved
// in; where the popup is larger than the work area, its left and top edges are the ones kept.
void KeepPopupOnScreen(App& app, const RectPx& work, std::int32_t& left, std::int32_t& top,
                       std::int32_t width, std::int32_t height);

// The floating icon's top left corner (pixels), moved as little as needed to lie inside the work
// area.
PointPx KeepIconOnScreen(App& app, const RectPx& work, PointPx corner);

// Hides the floating icon at once and fades the popup out, stopping the result poll. Does nothing
// while the icon is hidden: the popup is only ever shown together with it.
void HidePopups(App& app);
// Whether a press the watcher sees at AT is the one last made inside the floating icon, the
// pointer not moved since; either way that press is forgotten.
bool TakeIconPress(App& app, PointPx at);
// Hides the popups and opens the offered download address.
void OpenDownloadLink(App& app);

// Replaces the clipboard's content by the text (Unicode and ANSI); an empty text changes nothing.
void CopyTextToClipboard(App& app, const std::u16string& text);

// The popup's text box, past its ANSI text property.
void SetRichTextUnicode(App& app, Form& form, ControlRef box, const std::u16string& text,
                        bool replaceSelection);
std::u16string GetRichTextUnicode(App& app, Form& form, ControlRef box, bool selectionOnly);

}  // namespace plv

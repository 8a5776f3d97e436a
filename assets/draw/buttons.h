// The buttons: grey stone plaques with their words engraved, dim as they
// stand and bright when highlighted.
#pragma once

#include <QImage>
#include <QString>

namespace lorvane::draw {

// A button with `text` on it, 54 x 36, at `s` device pixels to the pixel.
QImage DrawButton(const QString& text, bool bright, int s);

// Every button: its file name and its words.
struct ButtonDef {
  const char* name;
  const char* text;
};

inline constexpr ButtonDef kButtons[] = {
    {"new", "開始"}, {"back", "悔棋"}, {"draw", "求和"}, {"resign", "認輸"}};

}  // namespace lorvane::draw

#pragma once
// Long entries of combo boxes ("Red (Kres - None)", "Team 1.Imperial", ...) in boxes too narrow
// for them: the box shows the text cut with "…" and its tool tip gives the whole text. Both work
// for every combo box of the application, installed once with InputPolicy.

#include <QProxyStyle>
#include <QString>

class QComboBox;

namespace app {

// The application style with the text of combo boxes elided where it does not fit. The tool
// bar's extension arrow, which every tool bar makes though it shows only when the bar overflows,
// is read when first drawn: reading it wakes every image format plugin at start-up. On a ground
// so dark that the style's own outlines vanish into it (a high-contrast theme: black on black),
// text fields, boxes and check marks get an outline in the theme's light colour.
class ComboTextStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// The whole text a combo box shows when it does not fit into the box, else an empty string.
QString cutComboText(const QComboBox& box);

}  // namespace app

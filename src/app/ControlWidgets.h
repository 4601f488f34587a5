// The widget for each kind of control: built at the control's geometry and look, wired so that the user's
// actions reach the control at once, and brought up to date whenever the control changes.
#pragma once

#include <QListWidgetItem>
#include <QWidget>

#include <string>

#include "ui/Controls.h"

namespace kelvane::app {

// The new widget is named after the control and already shows its state.
QWidget* CreateControlWidget(ui::Control& control, QWidget* parent);

// A one-line caption as the widget draws it (blanks at its ends do not show), or an empty text for a widget
// without one; and the rectangle the widget draws it in.
QString CaptionText(const QWidget& widget);
QRect CaptionRect(const QWidget& widget);

// File and folder names are bytes, not always UTF-8 (a name written on another system): each list item keeps
// its name's bytes in this role and hands exactly those back, whatever its text shows.
inline constexpr int kRawNameRole = Qt::UserRole;
QByteArray RawName(const QListWidgetItem& item);
QListWidgetItem* NewNameItem(const QString& shown, const std::string& raw, QListWidget* list);

// Copies the control's state (visibility, text or caption, check and option state, list contents) into
// its widget; leaves alone what is already equal, so the user's cursor and selection survive.
void MirrorControl(const ui::Control& control, QWidget& widget);

}  // namespace kelvane::app

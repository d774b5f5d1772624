// Accessible interfaces for the widgets whose Qt defaults do not fit the model.
//
// Labels: a label that the model names shows a value, so its accessible name is what it is
// followed by what it shows ("Secondary current, amperes: 10.0") and its value is the shown
// text; an unnamed label is named by its text, as in Qt. The live note is a status bar, which
// screen readers read out on a key press from anywhere in the window.
//
// Option buttons: Qt's toggle action would check the mark behind the model's back; here it
// clicks, so that it reaches the model as a person's click does.
#pragma once

class QLabel;
class QRadioButton;

namespace platform {

// Marks a widget of the model before anything asks for its accessible interface.
void markModelLabel(QLabel* label);
void markModelOption(QRadioButton* option);
void setLiveLabel(QLabel* label, bool live);
// Installs the interfaces above; installing twice does nothing more.
void installAccessibility();

// Tells screen readers that a named label's text changed: Qt does so only for unnamed labels.
void announceLabelText(QLabel* label);

}  // namespace platform

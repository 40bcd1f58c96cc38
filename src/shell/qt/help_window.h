// How to play: the rules in a few paragraphs, every picture a square can
// show with its words, and the mouse and keys. One text a screen reader
// reads whole; Escape or Enter closes it.
#pragma once

#include <QCoreApplication>
#include <QDialog>

namespace vexalon {

class HelpWindow : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(vexalon::HelpWindow)

 public:
  explicit HelpWindow(QWidget* parent);
};

}  // namespace vexalon

// Help > About: the program's name and version, and the equations it computes with, each with
// its source.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace calvex {

// The text of the About box, one paragraph per line.
QString aboutText();

class CAboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    QLabel* textLabel() const noexcept { return text_; }

  private:
    QLabel* text_ = nullptr;
};

}  // namespace calvex

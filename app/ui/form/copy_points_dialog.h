// "Copy State Points to Clipboard": the current point or all stored points, with or without a
// column of property labels.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace calvex {

class CCopySpecialDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CCopySpecialDialog(QWidget* parent = nullptr);

    bool allStoredPoints() const;
    bool includeLabels() const;

    QRadioButton* currentPointChoice() const noexcept { return current_; }
    QRadioButton* allStoredChoice() const noexcept { return all_; }
    QCheckBox* labelsCheck() const noexcept { return labels_; }

  private:
    QRadioButton* current_ = nullptr;
    QRadioButton* all_ = nullptr;
    QCheckBox* labels_ = nullptr;
};

}  // namespace calvex

#include "copy_points_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace calvex {

CCopySpecialDialog::CCopySpecialDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Copy State Points to Clipboard"));
    auto* group = new QGroupBox(QStringLiteral("Select Points to Copy"), this);
    current_ = new QRadioButton(QStringLiteral("Current Point"), group);
    all_ = new QRadioButton(QStringLiteral("All Stored Points"), group);
    current_->setChecked(true);
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(current_);
    choices->addWidget(all_);

    labels_ = new QCheckBox(QStringLiteral("Include a column of property labels"), this);
    labels_->setChecked(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addWidget(labels_);
    top->addWidget(buttons);
}

bool CCopySpecialDialog::allStoredPoints() const { return all_->isChecked(); }

bool CCopySpecialDialog::includeLabels() const { return labels_->isChecked(); }

}  // namespace calvex

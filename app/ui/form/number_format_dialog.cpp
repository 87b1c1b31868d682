#include "number_format_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <string>

#include "point_table_text.h"
#include "user_prompts.h"

namespace calvex {

CNumberFormatDialog::CNumberFormatDialog(UserPrompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Select Number Format"));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        grid->addWidget(new QLabel(QString::fromLatin1(kNumberFormatCaptions[i]), this), p, 0);
        auto* field = new QLineEdit(this);
        field->setMaximumWidth(40);
        field->setObjectName(QStringLiteral("digits%1").arg(p));
        fields_[i] = field;
        auto* up = new QToolButton(this);
        up->setArrowType(Qt::UpArrow);
        up->setFocusPolicy(Qt::NoFocus);
        auto* down = new QToolButton(this);
        down->setArrowType(Qt::DownArrow);
        down->setFocusPolicy(Qt::NoFocus);
        connect(up, &QToolButton::clicked, this, [this, p] { step(p, 1); });
        connect(down, &QToolButton::clicked, this, [this, p] { step(p, -1); });
        auto* spin = new QHBoxLayout;
        spin->setSpacing(0);
        spin->addWidget(field);
        spin->addWidget(up);
        spin->addWidget(down);
        grid->addLayout(spin, p, 1);
        auto* list = new QComboBox(this);
        list->addItem(QStringLiteral("Fixed"));
        list->addItem(QStringLiteral("Scientific"));
        styles_[i] = list;
        grid->addWidget(list, p, 2);
        setRow(p, 0, 0);
    }

    auto* note = new QLabel(
        QStringLiteral("Select the number of digits to be displayed to the right of the decimal point."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNumberFormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(buttons);
    side->addWidget(note);
    side->addStretch(1);

    auto* top = new QHBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(side);
}

void CNumberFormatDialog::setRow(int property, int digits, int style) {
    const auto i = static_cast<std::size_t>(property);
    digits_[i] = digits;
    fields_[i]->setText(QString::number(digits));
    styles_[i]->setCurrentIndex(style == 1 ? 1 : 0);
}

int CNumberFormatDialog::style(int property) const {
    return styles_[static_cast<std::size_t>(property)]->currentIndex() == 1 ? 1 : 0;
}

void CNumberFormatDialog::step(int property, int delta) {
    QLineEdit* field = fields_[static_cast<std::size_t>(property)];
    std::string ignored;
    const std::optional<int> v = parseIntegerField(field->text().toStdString(), kMinDigits, kMaxDigitsField, ignored);
    int next = v.value_or(kMinDigits) + delta;
    next = next < kMinDigits ? kMinDigits : (next > kMaxDigitsField ? kMaxDigitsField : next);
    field->setText(QString::number(next));
}

void CNumberFormatDialog::accept() {
    std::array<int, kPropertyCount> checked{};
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        std::string message;
        const std::optional<int> v =
            parseIntegerField(fields_[i]->text().toStdString(), kMinDigits, kMaxDigitsField, message);
        if (!v) {
            prompts_.message(this, QString::fromStdString(message));
            fields_[i]->setFocus(Qt::OtherFocusReason);
            fields_[i]->selectAll();
            return;
        }
        checked[i] = *v;
    }
    digits_ = checked;
    QDialog::accept();
}

}  // namespace calvex

#include "about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app_strings.h"
#include "command_line.h"

namespace calvex {

QString aboutText() {
    return QStringLiteral(
               "Calvex %1 (%2), the calculator of water and steam properties.\n"
               "Thermodynamic properties: IAPWS Industrial Formulation 1997 for the Thermodynamic "
               "Properties of Water and Steam (IAPWS-IF97), International Association for the "
               "Properties of Water and Steam, Erlangen, 1997; regions 1 to 5 with the region 5 "
               "equation of the 1997 release.\n"
               "On request (Tools > Formulations): the 1967 IFC Formulation for Industrial Use "
               "(IFC-67), International Formulation Committee, 1967.\n"
               "Dynamic viscosity: IAPS Formulation 1985 for the Viscosity of Ordinary Water "
               "Substance, industrial equation.\n"
               "Thermal conductivity: IAPS Formulation 1985 for the Thermal Conductivity of Ordinary "
               "Water Substance, industrial equation.\n"
               "Wet steam: the critical (choked) flow velocity of an isentropic nozzle in place of "
               "the speed of sound.")
        .arg(programVersion(), QString::fromLatin1(kAppTitle));
}

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Calvex"));
    text_ = new QLabel(aboutText().replace(QLatin1Char('\n'), QStringLiteral("\n\n")), this);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

}  // namespace calvex

#include "expansion_dialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calvex_view.h"
#include "input_pair.h"
#include "main_frame.h"
#include "user_prompts.h"

namespace calvex {
namespace {

QString latin1(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

constexpr const char* kQuantityNames[5] = {"pressure", "temperature", "quality", "enthalpy", "entropy"};

// Kinds of the hidden "To" boxes (volume, specific heat, viscosity, conductivity, Prandtl
// number, critical velocity); they show nothing, so their format is 0 digits, internal unit.
constexpr int kHiddenFirst = kVolume;

}  // namespace

CExpansionDialog::CExpansionDialog(CCalvexView& view, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), flags_(view.editFlags()), ifc67_(usesIfc67(view.inputMask())) {
    setWindowTitle(QString::fromLatin1(kExpansionTitle));
    buildDialog(view);
    SelectMode(ExpansionMode::PressureEfficiency);
    for (int b = 0; b < kExpansionBoxCount; ++b) {
        last_.values[static_cast<std::size_t>(b)] = box(b)->value();
    }
}

CExpansionDialog::~CExpansionDialog() {
    // The boxes are destroyed after this object's members: they must not reach the flags.
    for (int b = 0; b < kExpansionBoxCount; ++b) {
        box(b)->attach(nullptr);
    }
    for (CIOBox* b : from_) {
        b->attach(nullptr);
    }
}

CIOBox* CExpansionDialog::box(int b) const noexcept {
    switch (b) {
        case kEfficiencyBox: return efficiency_;
        case kEnergyBox: return energy_;
        case kSteamRateBox: return steamRate_;
        default: return to_[static_cast<std::size_t>(b)];
    }
}

void CExpansionDialog::buildDialog(CCalvexView& view) {
    const PropertyFormats formats = view.boxFormats();
    const auto labels = expansionRowLabels(formats);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Expand From"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("To"), this), 0, 2, Qt::AlignHCenter);
    for (int i = 0; i <= kEntropy; ++i) {
        const auto k = static_cast<std::size_t>(i);
        rowLabels_[k] = new QLabel(latin1(labels[k]), this);
        grid->addWidget(rowLabels_[k], i + 1, 0);

        const CIOBox* form = view.box(i);
        auto* from = new CIOBox(form->kind(), form->format(), this);
        from->setObjectName(QStringLiteral("From%1").arg(i));
        from->setRawValue(form->value());
        from->makeReadOnly();
        from->setFocusPolicy(Qt::NoFocus);
        from->setToolTip(QStringLiteral("The %1 of the current point, where the expansion starts")
                             .arg(QString::fromLatin1(kQuantityNames[k])));
        from_[k] = from;
        grid->addWidget(from, i + 1, 1);

        auto* to = new CIOBox(form->kind(), form->format(), this);
        to->setObjectName(QStringLiteral("To%1").arg(i));
        to->attach(&flags_);
        to->setToolTip(
            QStringLiteral("The %1 at the end of the expansion").arg(QString::fromLatin1(kQuantityNames[k])));
        // Every value starts at 0, the temperature at 0 in its display unit.
        if (i == kTemperature) {
            to->setValueIn(0.0, to->unit());
        } else {
            to->setRawValue(0.0);
        }
        to_[k] = to;
        grid->addWidget(to, i + 1, 2);
    }
    to_[kEntropy]->makeReadOnly();
    for (int p = kHiddenFirst; p < kPropertyCount; ++p) {
        auto* hidden = new CIOBox(propertyKind(p), 0, this);
        hidden->setObjectName(QStringLiteral("To%1").arg(p));
        hidden->setVisible(false);
        to_[static_cast<std::size_t>(p)] = hidden;
    }

    auto* group = new QGroupBox(QStringLiteral("Input variables"), this);
    auto* groupLayout = new QVBoxLayout(group);
    modeGroup_ = new QButtonGroup(this);
    for (int m = 0; m < kExpansionModeCount; ++m) {
        auto* radio = new QRadioButton(QString::fromLatin1(kExpansionModeTexts[static_cast<std::size_t>(m)]), group);
        radio->setToolTip(
            QStringLiteral("Give the end pressure and the %1")
                .arg(QString::fromLatin1(kExpansionModeTexts[static_cast<std::size_t>(m)] + 10).toLower()));
        modes_[static_cast<std::size_t>(m)] = radio;
        modeGroup_->addButton(radio, m);
        groupLayout->addWidget(radio);
    }
    connect(modeGroup_, &QButtonGroup::idClicked, this, [this](int id) { SelectMode(static_cast<ExpansionMode>(id)); });

    const DisplayFormat qualityFormat = view.box(kQuality)->format();
    const CIOBox* formEnthalpy = view.box(kEnthalpy);
    efficiency_ = new CIOBox(PropertyKind::Dimensionless, qualityFormat, this);
    efficiency_->setObjectName(QStringLiteral("Efficiency"));
    efficiency_->attach(&flags_);
    efficiency_->setRawValue(0.0);
    efficiency_->setToolTip(QStringLiteral("Section efficiency: the enthalpy drop over the isentropic drop (0 to 1)"));
    energy_ = new CIOBox(formEnthalpy->kind(), formEnthalpy->format(), this);
    energy_->setObjectName(QStringLiteral("Energy"));
    energy_->makeReadOnly();
    energy_->setRawValue(0.0);
    energy_->setToolTip(QStringLiteral("Expansion energy: the enthalpy drop of the expansion"));
    steamRate_ = new CIOBox(PropertyKind::Dimensionless, qualityFormat, this);
    steamRate_->setObjectName(QStringLiteral("SteamRate"));
    steamRate_->makeReadOnly();
    steamRate_->setToolTip(QStringLiteral("Steam rate: the steam flow per kilowatt-hour of expansion energy"));

    energyUnits_ = new QComboBox(this);
    energyUnits_->setObjectName(QStringLiteral("EnergyUnits"));
    for (int u = 0; u < unitCount(PropertyKind::Enthalpy); ++u) {
        energyUnits_->addItem(latin1(unitText(PropertyKind::Enthalpy, u)));
    }
    energyUnits_->setCurrentIndex(energy_->unit() < energyUnits_->count() ? energy_->unit() : -1);
    energyUnits_->setToolTip(QStringLiteral("Unit of the expansion energy"));
    connect(energyUnits_, &QComboBox::activated, this, &CExpansionDialog::energyUnitChosen);

    steamRateUnits_ = new QComboBox(this);
    steamRateUnits_->setObjectName(QStringLiteral("SteamRateUnits"));
    for (const char* text : kSteamRateUnitTexts) {
        steamRateUnits_->addItem(QString::fromLatin1(text));
    }
    const SteamRateUnit initialRate = initialSteamRateUnit(energy_->unit());
    steamRateUnits_->setCurrentIndex(static_cast<int>(initialRate));
    steamRateUnits_->setToolTip(QStringLiteral("Unit of the steam rate"));
    connect(steamRateUnits_, &QComboBox::activated, this, &CExpansionDialog::steamRateUnitChosen);
    // No energy yet: no steam rate.
    steamRate_->setRawValue(steamRate(energy_->value(), initialRate));

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(6);
    results->addWidget(new QLabel(QStringLiteral("Section Efficiency:"), this), 0, 0);
    results->addWidget(efficiency_, 0, 1);
    results->addWidget(new QLabel(QStringLiteral("Expansion Energy"), this), 1, 0);
    results->addWidget(energy_, 1, 1);
    results->addWidget(energyUnits_, 1, 2);
    results->addWidget(new QLabel(QStringLiteral("Steam Rate"), this), 2, 0);
    results->addWidget(steamRate_, 2, 1);
    results->addWidget(steamRateUnits_, 2, 2);

    computeButton_ = new QPushButton(QStringLiteral("Compute"), this);
    copyButton_ = new QPushButton(QStringLiteral("Close and Copy to Current Point"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* b : {computeButton_, copyButton_, cancelButton_}) {
        b->setAutoDefault(false);
    }
    computeButton_->setDefault(true);
    computeButton_->setToolTip(QStringLiteral("Compute the expansion (Enter)"));
    copyButton_->setToolTip(QStringLiteral("Compute the expansion and make its end state the current point"));
    cancelButton_->setToolTip(QStringLiteral("Close without changing the current point"));
    connect(computeButton_, &QPushButton::clicked, this, &CExpansionDialog::Compute);
    connect(copyButton_, &QPushButton::clicked, this, &CExpansionDialog::CloseAndCopy);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(computeButton_);
    buttons->addWidget(copyButton_);
    buttons->addWidget(cancelButton_);

    auto* side = new QVBoxLayout;
    side->addWidget(group);
    side->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(grid);
    upper->addLayout(side);
    auto* top = new QVBoxLayout(this);
    top->addLayout(upper);
    top->addLayout(results);
    top->addLayout(buttons);
}

void CExpansionDialog::SelectMode(ExpansionMode mode) {
    mode_ = mode;
    modes_[static_cast<std::size_t>(mode)]->setChecked(true);
    const int editable = editableBox(mode);
    for (int m = 0; m < kExpansionModeCount; ++m) {
        const int b = editableBox(static_cast<ExpansionMode>(m));
        box(b)->setEnabled(b == editable);
    }
}

void CExpansionDialog::finishEditing() {
    if (!flags_.editInProgress) {
        return;
    }
    QWidget* had = QApplication::focusWidget();
    computeButton_->setFocus(Qt::OtherFocusReason);
    if (had) {
        had->setFocus(Qt::OtherFocusReason);
    }
    if (flags_.editInProgress) {
        // The window is not active, so the focus change sent no events: leave the box here.
        if (auto* b = qobject_cast<CIOBox*>(had)) {
            b->leaveEditing();
        }
        flags_.editInProgress = false;
    }
}

void CExpansionDialog::Compute() {
    if (flags_.editInProgress) {
        // Moving the focus away and back makes the box evaluate its text; nothing else happens.
        finishEditing();
        return;
    }
    runExpansion();
    if (!last_.focusToPressure) {
        computeButton_->setFocus(Qt::OtherFocusReason);
    }
}

void CExpansionDialog::CloseAndCopy() {
    // A value still being typed counts, as it would when the button is clicked.
    if (flags_.editInProgress) {
        if (auto* b = qobject_cast<CIOBox*>(QApplication::focusWidget())) {
            b->leaveEditing();
        }
        flags_.editInProgress = false;
    }
    runExpansion();
    // A refused expansion has no end state: copying the boxes as they stand would replace the
    // computed current point with zeros or stale values. The message has been shown; the dialog
    // stays open for a correction or Cancel.
    if (last_.refused()) {
        return;
    }
    accept();
}

void CExpansionDialog::runExpansion() {
    ExpansionInput in;
    in.p1 = from_[kPressure]->value();
    in.h1 = from_[kEnthalpy]->value();
    in.s1 = from_[kEntropy]->value();
    for (int b = 0; b < kExpansionBoxCount; ++b) {
        in.boxes[static_cast<std::size_t>(b)] = box(b)->value();
    }
    in.mode = mode_;
    in.ifc67 = ifc67_;
    in.temperatureUnit = to_[kTemperature]->unit();
    in.steamRateUnit = static_cast<SteamRateUnit>(steamRateUnits_->currentIndex() == 0 ? 0 : 1);

    last_ = computeExpansion(in, calculator_);
    for (int b = 0; b < kExpansionBoxCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        if (last_.set[i]) {
            box(b)->setRawValue(last_.values[i]);
        } else if (last_.restored[i]) {
            box(b)->restoreDisplay();
        }
    }
    if (last_.refused()) {
        prompts_.message(this, QString::fromStdString(expansionMessage(last_.refusal)));
        if (last_.focusToPressure) {
            to_[kPressure]->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    emit expansionComputed(expansionPath());
}

ExpansionPath CExpansionDialog::expansionPath() const {
    const auto state = [](const CIOBox* t, const CIOBox* s, const CIOBox* h) {
        return ChartState{t->value(), s->value(), h->value()};
    };
    ExpansionPath path;
    path.p1 = from_[kPressure]->value();
    path.start = state(from_[kTemperature], from_[kEntropy], from_[kEnthalpy]);
    path.p2 = to_[kPressure]->value();
    path.end = state(to_[kTemperature], to_[kEntropy], to_[kEnthalpy]);
    path.ifc67 = ifc67_;
    return path;
}

void CExpansionDialog::energyUnitChosen(int index) { energy_->setUnit(index); }

void CExpansionDialog::steamRateUnitChosen(int index) {
    steamRate_->setRawValue(
        steamRate(energy_->value(), index == 0 ? SteamRateUnit::LbmPerKWh : SteamRateUnit::KgPerKWh));
}

FormValues CExpansionDialog::toValues() const {
    FormValues v{};
    for (int p = 0; p < kPropertyCount; ++p) {
        v[static_cast<std::size_t>(p)] = to_[static_cast<std::size_t>(p)]->value();
    }
    return v;
}

void takeExpansionEndState(CCalvexView& view, const FormValues& values) {
    for (int p = 0; p < kPropertyCount; ++p) {
        view.box(p)->setRawValue(values[static_cast<std::size_t>(p)]);
    }
    CCalvexDoc& doc = view.document();
    QLineEdit* label = view.labelEdit();
    if (const auto name = computedPointLabel(toLatin1(label->text()), doc)) {
        label->setText(fromLatin1(*name));
        label->setFocus(Qt::OtherFocusReason);
        label->selectAll();
        doc.SetModifiedFlag();
    }
    CStatePoint& cur = doc.CurrentPoint();
    for (int p = 0; p < kPropertyCount; ++p) {
        cur.setValue(p, view.box(p)->value());
    }
    cur.setLabel(toLatin1(label->text()));
    doc.SetInputSelection(view.inputMask());
    // The point counts as computed: it can be stored, and replace a stored point.
    view.storeButton()->setEnabled(true);
    view.replaceButton()->setEnabled(view.commandFlags().storedPoints);
    emit view.commandsChanged();
}

void runExpansionTool(CCalvexView& view, UserPrompts& prompts) {
    // Text typed into a form box and not yet evaluated is evaluated first: a new value asks
    // for a recomputation before the expansion.
    if (view.editFlags().editInProgress) {
        if (CIOBox* b = view.focusedBox()) {
            b->leaveEditing();
        }
        view.editFlags().editInProgress = false;
    }
    if (view.editFlags().recomputeNeeded) {
        prompts.message(&view, QString::fromLatin1(kMsgRecalculateBeforeExpansion));
        return;
    }
    CExpansionDialog dialog(view, prompts, &view);
    QObject::connect(&dialog, &CExpansionDialog::expansionComputed, &view, [&view](const ExpansionPath& path) {
        view.SetLastExpansion(path);
    });
    const bool copy = prompts.runDialog(dialog);
    const FormValues end = dialog.toValues();
    if (copy) {
        takeExpansionEndState(view, end);
    }
    view.editFlags().recomputeNeeded = false;
    view.editFlags().editInProgress = false;
}

void installExpansionTool(CMainFrame& frame) {
    QAction* action = frame.expansionAction();
    QObject::connect(action, &QAction::triggered, &frame, [&frame] {
        if (CCalvexView* view = frame.view()) {
            runExpansionTool(*view, frame.prompts());
        }
    });
    action->setEnabled(true);
}

}  // namespace calvex

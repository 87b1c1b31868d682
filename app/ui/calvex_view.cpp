#include "calvex_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

#include "copy_points_dialog.h"
#include "defaults_store.h"
#include "form_messages.h"
#include "input_pair.h"
#include "number_format_dialog.h"
#include "user_prompts.h"

namespace calvex {

namespace {

QString latin1(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// A tooltip and the same text as the status-bar prompt.
void setTip(QWidget* w, const QString& text) {
    w->setToolTip(text);
    w->setStatusTip(text);
}

// The property's name as the prompts use it ("pressure", "Prandtl number").
QString propertyName(int property) {
    QString name = QString::fromLatin1(kFormCaptions[static_cast<std::size_t>(property)]);
    if (property == kPrandtl) {
        return QStringLiteral("Prandtl number");
    }
    return name.toLower();
}

// The properties that have a unit list on the form (quality and Prandtl number have none).
bool hasUnitList(int property) { return propertyKind(property) != PropertyKind::Dimensionless; }

}  // namespace

CCalvexView::CCalvexView(CCalvexDoc& doc, std::shared_ptr<UserPrompts> prompts, QWidget* parent)
    : QWidget(parent), doc_(doc), prompts_(prompts ? std::move(prompts) : std::make_shared<DialogPrompts>()) {
    buildForm();
}

CCalvexView::~CCalvexView() {
    // The boxes outlive this object's members; they must not reach the flags any more.
    for (CIOBox* b : boxes_) {
        b->attach(nullptr);
    }
    if (!firstInit_) {
        writeDefaults(*openCalvexSettings(), defaults_);
    }
}

void CCalvexView::buildForm() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);

    auto* activeHeading = new QLabel(QStringLiteral("Active Point"), this);
    auto* storedHeading = new QLabel(QStringLiteral("Stored Points"), this);
    QFont headingFont = activeHeading->font();
    headingFont.setBold(true);
    activeHeading->setFont(headingFont);
    storedHeading->setFont(headingFont);
    activeHeading->setAlignment(Qt::AlignCenter);
    storedHeading->setAlignment(Qt::AlignCenter);
    grid->addWidget(activeHeading, 0, 0, 1, 4);
    grid->addWidget(storedHeading, 0, 4);

    grid->addWidget(new QLabel(QStringLiteral("Point Label:"), this), 1, 0);
    label_ = new QLineEdit(this);
    label_->setObjectName(QStringLiteral("PointLabel"));
    setTip(label_,
           QStringLiteral("Label of the current point; a computed point without a label of its own is "
                          "named \"Point\" and a number"));
    grid->addWidget(label_, 1, 1, 1, 3);
    storedList_ = new QComboBox(this);
    storedList_->setObjectName(QStringLiteral("StoredPoints"));
    storedList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    storedList_->setMinimumContentsLength(8);
    setTip(storedList_, QStringLiteral("Choose the stored point shown in this column"));
    connect(storedList_, &QComboBox::activated, this, [this](int i) { SelectStoredPoint(i); });
    grid->addWidget(storedList_, 1, 4);

    const QPixmap markerPicture = style()->standardIcon(QStyle::SP_ArrowLeft).pixmap(12, 12);
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const bool input = p <= kEntropy;
        const PropertyInfo& info = kProperties[i];
        const int row = p + 2;
        CIOBox* b =
            input ? new CIOBoxPN(info.kind, info.defaultDigits, this) : new CIOBox(info.kind, info.defaultDigits, this);
        b->setObjectName(latin1(info.shortLabel));
        b->setMinimumWidth(90);
        const QString name = propertyName(p);
        setTip(b,
               input ? QStringLiteral("The %1 of the current point: type a number or an expression "
                                      "(+ - * / ^ and parentheses) in the unit shown")
                           .arg(name)
                     : QStringLiteral("The %1 of the current point").arg(name));
        boxes_[i] = b;
        if (input) {
            auto* check = new QCheckBox(QString::fromLatin1(kFormCaptions[i]), this);
            setTip(check, QStringLiteral("Use the %1 as one of the two inputs").arg(name));
            const auto bit = static_cast<std::uint32_t>(1u << p);
            connect(check, &QCheckBox::clicked, this, [this, bit] { ToggleInput(bit); });
            checks_[i] = check;
            grid->addWidget(check, row, 0);
            auto* m = new QLabel(this);
            m->setPixmap(markerPicture);
            m->setFixedWidth(12);
            m->hide();
            markers_[i] = m;
            grid->addWidget(m, row, 2);
            b->attach(&flags_, m);
        } else {
            grid->addWidget(new QLabel(QString::fromLatin1(kFormCaptions[i]), this), row, 0);
            b->makeReadOnly();
            b->attach(&flags_);
        }
        grid->addWidget(b, row, 1);
        // A value typed into a box asks for a new computation, however the box was left.
        connect(b, &CIOBox::valueEntered, this, [this] { flags_.recomputeNeeded = true; });

        if (hasUnitList(p)) {
            auto* list = new QComboBox(this);
            list->setObjectName(QStringLiteral("Units%1").arg(latin1(info.shortLabel)));
            setTip(list, QStringLiteral("Unit in which the %1 is shown and typed").arg(name));
            for (int u = 0; u < unitCount(info.kind); ++u) {
                list->addItem(latin1(unitText(info.kind, u)));
            }
            connect(list, &QComboBox::activated, this, [this, p](int index) { SelectUnit(p, index); });
            units_[i] = list;
            grid->addWidget(list, row, 3);
        }

        auto* field = new QLineEdit(QStringLiteral("0"), this);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setObjectName(QStringLiteral("Stored%1").arg(latin1(info.shortLabel)));
        field->setMinimumWidth(80);
        setTip(field, QStringLiteral("The %1 of the stored point chosen above").arg(name));
        storedFields_[i] = field;
        grid->addWidget(field, row, 4);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 2);

    computeButton_ = new QPushButton(QStringLiteral("Compute"), this);
    storeButton_ = new QPushButton(QStringLiteral("Store Point"), this);
    recallButton_ = new QPushButton(QStringLiteral("Recall Point"), this);
    replaceButton_ = new QPushButton(QStringLiteral("Replace Point"), this);
    deleteButton_ = new QPushButton(QStringLiteral("Delete Point"), this);
    connect(computeButton_, &QPushButton::clicked, this, [this] { Compute(); });
    connect(storeButton_, &QPushButton::clicked, this, [this] { StorePoint(); });
    connect(recallButton_, &QPushButton::clicked, this, [this] { RecallPoint(); });
    connect(replaceButton_, &QPushButton::clicked, this, [this] { ReplacePoint(); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { DeletePoint(); });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    for (QPushButton* b : {computeButton_, storeButton_, recallButton_, replaceButton_, deleteButton_}) {
        b->setAutoDefault(false);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        buttons->addWidget(b);
    }
    computeButton_->setDefault(true);
    setTip(computeButton_,
           QStringLiteral("Compute every property of the current point from the two selected "
                          "inputs (Enter)"));
    setTip(storeButton_, QStringLiteral("Store current point to the collection of stored points"));
    setTip(recallButton_, QStringLiteral("Copies the displayed stored point to the current point"));
    setTip(replaceButton_, QStringLiteral("Replace the displayed stored point with the current point"));
    setTip(deleteButton_, QStringLiteral("Delete a stored point from the collection"));
    for (QPushButton* b : {storeButton_, recallButton_, replaceButton_, deleteButton_}) {
        b->setEnabled(false);
    }

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 4, 6, 4);
    top->setSpacing(6);
    top->addLayout(grid);
    top->addLayout(buttons);
    top->addStretch(1);
}

// ---------------------------------------------------------------------------------------------
// Form initialization

void CCalvexView::applySnapshot() {
    defaults_.applyTo(doc_);
    for (int p = 0; p < kPropertyCount; ++p) {
        box(p)->setFormat(doc_.GetDisplayFormat(p));
    }
    mask_ = doc_.InputSelection();
    setFormulation(usesIfc67(mask_));
    flags_.recomputeNeeded = true;
}

void CCalvexView::OnInitialUpdate() {
    if (firstInit_) {
        firstInit_ = false;
        defaults_ = readDefaults(*openCalvexSettings());
        if (doc_.IsNewDocument()) {
            applySnapshot();
        }
    }
    clearStoredColumn();
    for (int p = 0; p < kPropertyCount; ++p) {
        box(p)->setFormat(doc_.GetDisplayFormat(p));
    }
    SetLastExpansion(std::nullopt);
    showUnits();
    fillStoredList();
    showCurrentPoint();
    // The shown point counts as computed when it has a volume. Any other point (a new
    // document's) must be computed before it can be stored.
    commands_.pointComputed = doc_.CurrentPoint().value(kVolume) > 0.0;
    if (commands_.pointComputed) {
        flags_.recomputeNeeded = false;
    } else {
        flags_.recomputeNeeded = true;
    }
    updatePointButtons();
    doc_.SetModifiedFlag(false);
    emit commandsChanged();
}

void CCalvexView::SetLastExpansion(std::optional<ExpansionPath> path) {
    if (!path && !lastExpansion_) {
        return;
    }
    lastExpansion_ = std::move(path);
    emit expansionChanged();
}

void CCalvexView::showCurrentPoint() {
    const CStatePoint& cur = doc_.CurrentPoint();
    for (int p = 0; p < kPropertyCount; ++p) {
        box(p)->setRawValue(cur.value(p));
    }
    label_->setText(fromLatin1(cur.label()));
    mask_ = doc_.InputSelection();
    showInputSelection();
    setFormulation(usesIfc67(mask_));
}

void CCalvexView::showInputSelection() {
    const std::uint32_t disabled = disabledInputs(mask_);
    for (int b = 0; b < 5; ++b) {
        const auto bit = static_cast<std::uint32_t>(1u << b);
        QCheckBox* check = checks_[static_cast<std::size_t>(b)];
        check->setChecked((mask_ & bit) != 0);
        check->setEnabled((disabled & bit) == 0);
    }
}

void CCalvexView::showUnits() {
    for (int p = 0; p < kPropertyCount; ++p) {
        if (QComboBox* list = unitList(p)) {
            list->setCurrentIndex(box(p)->unit() < list->count() ? box(p)->unit() : -1);
        }
    }
}

void CCalvexView::formatsToDocument() {
    for (int p = 0; p < kPropertyCount; ++p) {
        doc_.SetDisplayFormat(p, box(p)->format());
    }
    markModified();
}

void CCalvexView::markModified() {
    doc_.SetModifiedFlag();
    emit documentModified();
}

void CCalvexView::setFormulation(bool ifc67) {
    commands_.ifc67 = ifc67;
    emit commandsChanged();
}

void CCalvexView::updatePointButtons() {
    storeButton_->setEnabled(commands_.pointComputed);
    recallButton_->setEnabled(commands_.storedPoints);
    deleteButton_->setEnabled(commands_.storedPoints);
    replaceButton_->setEnabled(commands_.pointComputed && commands_.storedPoints);
    emit commandsChanged();
}

// ---------------------------------------------------------------------------------------------
// Input selection and Compute

void CCalvexView::ToggleInput(std::uint32_t bit) {
    mask_ ^= bit;
    showInputSelection();
    doc_.SetInputSelection(mask_);
    flags_.recomputeNeeded = true;
}

void CCalvexView::keyPressEvent(QKeyEvent* event) {
    // Enter presses the default button, Compute, wherever the focus is on the form.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        computeButton_->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CCalvexView::Compute() {
    if (flags_.editInProgress) {
        // Moving the focus away and back makes the box evaluate its text; nothing else happens.
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
        return false;
    }
    if (!flags_.recomputeNeeded) {
        return false;
    }
    FormValues values{};
    for (int p = 0; p < kPropertyCount; ++p) {
        values[static_cast<std::size_t>(p)] = box(p)->value();
    }
    const ComputeReport r = calculator_.compute(mask_, values);
    if (r.outcome == ComputeOutcome::BadPair) {
        prompts_->message(this, QString::fromLatin1(kMsgBadPair));
        return false;
    }
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (r.set[i]) {
            box(p)->setRawValue(r.values[i]);
        } else if (r.restored[i]) {
            box(p)->restoreDisplay();
        }
    }
    if (r.outcome == ComputeOutcome::Error) {
        prompts_->message(this, QString::fromStdString(computeErrorMessage(r.status)));
        return false;
    }

    FinishComputedPoint();
    return true;
}

void CCalvexView::FinishComputedPoint() {
    if (const auto name = computedPointLabel(toLatin1(label_->text()), doc_)) {
        label_->setText(fromLatin1(*name));
        focusLabel();
        markModified();
    }
    CStatePoint& cur = doc_.CurrentPoint();
    for (int p = 0; p < kPropertyCount; ++p) {
        cur.setValue(p, box(p)->value());
    }
    cur.setLabel(toLatin1(label_->text()));
    doc_.SetInputSelection(mask_);
    commands_.pointComputed = true;
    flags_.recomputeNeeded = false;
    updatePointButtons();
}

void CCalvexView::focusLabel() {
    label_->setFocus(Qt::OtherFocusReason);
    label_->selectAll();
}

void CCalvexView::UseIF97() {
    mask_ &= ~static_cast<std::uint32_t>(kInputIfc67);
    doc_.SetInputSelection(mask_);
    setFormulation(false);
    flags_.recomputeNeeded = true;
    Compute();
}

void CCalvexView::UseIFC67() {
    mask_ |= kInputIfc67;
    doc_.SetInputSelection(mask_);
    setFormulation(true);
    flags_.recomputeNeeded = true;
    Compute();
}

// ---------------------------------------------------------------------------------------------
// Stored points

PropertyFormats CCalvexView::boxFormats() const {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = box(p)->kind();
        f.formats[static_cast<std::size_t>(p)] = box(p)->format();
    }
    return f;
}

void CCalvexView::clearStoredColumn() {
    for (QLineEdit* field : storedFields_) {
        field->setText(QStringLiteral("0"));
    }
}

void CCalvexView::showStoredPoint(int i) {
    if (i < 0 || i >= doc_.GetStoredCount()) {
        clearStoredColumn();
        return;
    }
    const PropertyTexts texts = storedPointTexts(doc_, i, boxFormats());
    for (int p = 0; p < kPropertyCount; ++p) {
        storedFields_[static_cast<std::size_t>(p)]->setText(fromLatin1(texts[static_cast<std::size_t>(p)]));
    }
}

void CCalvexView::fitStoredListPopup() {
    // The list keeps its width on the form; its drop-down widens to show long labels in full.
    QAbstractItemView* popup = storedList_->view();
    popup->setTextElideMode(Qt::ElideNone);
    popup->setMinimumWidth(popup->sizeHintForColumn(0) + 2 * popup->frameWidth() + 24);
}

void CCalvexView::reshowSelectedPoint() {
    if (doc_.GetStoredCount() > 0) {
        showStoredPoint(storedList_->currentIndex());
    }
}

void CCalvexView::fillStoredList() {
    storedList_->clear();
    const int n = doc_.GetStoredCount();
    if (n == 0) {
        clearStoredColumn();
        commands_.storedPoints = false;
        return;
    }
    for (int i = 0; i < n; ++i) {
        storedList_->addItem(fromLatin1(doc_.GetStoredLabel(i)));
    }
    fitStoredListPopup();
    const int shown = shownStoredIndex(doc_.SelectedIndex(), n);
    storedList_->setCurrentIndex(shown);
    showStoredPoint(shown);
    commands_.storedPoints = true;
}

void CCalvexView::SelectStoredPoint(int i) {
    if (i < 0 || i >= doc_.GetStoredCount()) {
        return;
    }
    storedList_->setCurrentIndex(i);
    showStoredPoint(i);
    doc_.SetSelectedIndex(i);
}

void CCalvexView::StorePoint() {
    if (flags_.recomputeNeeded) {
        prompts_->message(this, QString::fromLatin1(kMsgRecalculateBeforeStoring));
        return;
    }
    const std::string label = toLatin1(label_->text());
    doc_.CurrentPoint().setLabel(label);
    if (doc_.GetStoredCount() == 0) {
        commands_.storedPoints = true;
        updatePointButtons();
    }
    const int same = findStoredLabel(doc_, label);
    if (same >= 0) {
        const QString question = QString::fromLatin1(kMsgStoreDuplicate) + QString::fromLatin1(kMsgUniqueLabel) +
                                 QString::fromLatin1(kMsgStoreDuplicateChoice);
        if (prompts_->askYesNo(this, question) == UserPrompts::Answer::Yes) {
            doc_.ReplaceStoredPoint(same);
            showStoredPoint(same);
            storedList_->setCurrentIndex(same);
            emit documentModified();
        } else {
            focusLabel();
        }
        return;
    }
    const int n = doc_.StoreCurrentPoint();
    storedList_->addItem(fromLatin1(label));
    fitStoredListPopup();
    storedList_->setCurrentIndex(n - 1);
    showStoredPoint(n - 1);
    commands_.storedPoints = true;
    updatePointButtons();
    emit documentModified();
}

void CCalvexView::RecallPoint() {
    const int i = storedList_->currentIndex();
    if (doc_.GetStoredCount() == 0 || i < 0) {
        return;
    }
    doc_.RecallStoredPoint(i);
    showCurrentPoint();
}

void CCalvexView::ReplacePoint() {
    const int i = storedList_->currentIndex();
    if (doc_.GetStoredCount() == 0 || i < 0) {
        return;
    }
    const std::string label = toLatin1(label_->text());
    if (findStoredLabel(doc_, label, i) >= 0) {
        prompts_->message(this,
                          QString::fromLatin1(kMsgReplaceDuplicate) + QString::fromLatin1(kMsgUniqueLabel) +
                              QString::fromLatin1(kMsgReplaceDuplicateAdvice));
        focusLabel();
        return;
    }
    doc_.CurrentPoint().setLabel(label);
    doc_.ReplaceStoredPoint(i);
    showStoredPoint(i);
    storedList_->setItemText(i, fromLatin1(label));
    fitStoredListPopup();
    storedList_->setCurrentIndex(i);
    emit documentModified();
}

void CCalvexView::DeletePoint() {
    const int i = storedList_->currentIndex();
    if (doc_.GetStoredCount() == 0 || i < 0) {
        return;
    }
    const int n = doc_.DeleteStoredPoint(i);
    storedList_->removeItem(i);
    if (n == 0) {
        storedList_->clear();
        clearStoredColumn();
        commands_.storedPoints = false;
        updatePointButtons();
    } else {
        storedList_->setCurrentIndex(i == n ? n - 1 : i);
        showStoredPoint(storedList_->currentIndex());
    }
    emit documentModified();
}

// ---------------------------------------------------------------------------------------------
// Units and number formats

void CCalvexView::SelectUnit(int property, int index) {
    box(property)->setUnit(index);
    if (QComboBox* list = unitList(property)) {
        list->setCurrentIndex(index);
    }
    doc_.SetDisplayFormat(property, box(property)->format());
    markModified();
    reshowSelectedPoint();
}

void CCalvexView::EnglishUnits() {
    for (int p = 0; p < kPropertyCount; ++p) {
        if (p != kQuality && p != kPrandtl) {
            box(p)->setUnit(1);
        }
    }
    formatsToDocument();
    showUnits();
    reshowSelectedPoint();
}

void CCalvexView::SIUnits() {
    for (int p = 0; p < kPropertyCount; ++p) {
        if (p != kQuality && p != kPrandtl) {
            box(p)->setUnit(0);
        }
    }
    formatsToDocument();
    showUnits();
    reshowSelectedPoint();
}

void CCalvexView::NumberFormat() {
    CNumberFormatDialog dlg(*prompts_, this);
    for (int p = 0; p < kPropertyCount; ++p) {
        dlg.setRow(p, box(p)->digits(), box(p)->style());
    }
    if (!prompts_->runDialog(dlg)) {
        return;
    }
    for (int p = 0; p < kPropertyCount; ++p) {
        box(p)->setDigits(dlg.digits(p));
        box(p)->setStyle(dlg.style(p));
    }
    formatsToDocument();
    reshowSelectedPoint();
}

CIOBox* CCalvexView::focusedBox() const {
    auto* b = qobject_cast<CIOBox*>(QApplication::focusWidget());
    return b && isAncestorOf(b) ? b : nullptr;
}

void CCalvexView::AdjustDigits(int delta) {
    CIOBox* b = focusedBox();
    if (!b) {
        return;
    }
    b->adjustDigits(delta);
    formatsToDocument();
    reshowSelectedPoint();
}

void CCalvexView::UseSettingsAsDefault() {
    std::array<DisplayFormat, kPropertyCount> formats{};
    for (int p = 0; p < kPropertyCount; ++p) {
        formats[static_cast<std::size_t>(p)] = box(p)->format();
    }
    defaults_ = DefaultsSnapshot::fromFormats(formats, commands_.ifc67);
}

void CCalvexView::RestoreDefaultSettings() {
    applySnapshot();
    showUnits();
    reshowSelectedPoint();
    markModified();  // the document's format words changed
}

// ---------------------------------------------------------------------------------------------
// Clipboard

void CCalvexView::CopySpecial() {
    CCopySpecialDialog dlg(this);
    if (!prompts_->runDialog(dlg)) {
        return;
    }
    const PropertyFormats formats = boxFormats();
    const PropertyTexts labels = propertyLabels(formats);
    const PropertyTexts* withLabels = dlg.includeLabels() ? &labels : nullptr;
    std::string text;
    if (dlg.allStoredPoints()) {
        text = storedPointsText(doc_, formats, withLabels);
    } else {
        PropertyTexts texts;
        for (int p = 0; p < kPropertyCount; ++p) {
            texts[static_cast<std::size_t>(p)] = toLatin1(box(p)->formattedText());
        }
        text = currentPointText(toLatin1(label_->text()), texts, withLabels);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (!text.empty()) {
        clipboard->setText(fromLatin1(text));
    }
}

void CCalvexView::CutToClipboard() {
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        edit->cut();
    }
}

void CCalvexView::CopyToClipboard() {
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        edit->copy();
    }
}

void CCalvexView::PasteFromClipboard() {
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        edit->paste();
    }
}

void CCalvexView::RecallExpression() {
    if (CIOBox* b = focusedBox()) {
        b->recallExpression();
    }
}

CommandEnabling CCalvexView::commandEnabling() const {
    CommandEnabling e;
    if (const CIOBox* b = focusedBox()) {
        e.recallExpression = true;
        e.copy = b->hasSelectedText();
        e.cut = e.copy && !b->isReadOnly();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        e.paste = data && data->hasText() && !b->isReadOnly();
    }
    e.storePoint = commands_.pointComputed;
    e.recallPoint = commands_.storedPoints;
    e.deletePoint = commands_.storedPoints;
    e.replacePoint = commands_.pointComputed && commands_.storedPoints;
    return e;
}

}  // namespace calvex

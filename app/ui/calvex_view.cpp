#include "calvex_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStyle>

#include "defaults_store.h"

namespace calvex {

CCalvexView::CCalvexView(CCalvexDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc)
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Active Point"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Point Label:"), this), 1, 0);
    label_ = new QLineEdit(this);
    grid->addWidget(label_, 1, 1);

    const QPixmap markerPicture = style()->standardIcon(QStyle::SP_ArrowLeft).pixmap(12, 12);
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const bool input = p <= kEntropy;
        const PropertyInfo& info = kProperties[i];
        CIOBox* b = input ? new CIOBoxPN(info.kind, info.defaultDigits, this)
                          : new CIOBox(info.kind, info.defaultDigits, this);
        b->setObjectName(QString::fromLatin1(info.shortLabel.data(), static_cast<qsizetype>(info.shortLabel.size())));
        boxes_[i] = b;
        grid->addWidget(new QLabel(QString::fromLatin1(kFormCaptions[i]), this), p + 2, 0);
        grid->addWidget(b, p + 2, 1);
        if (input) {
            auto* m = new QLabel(this);
            m->setPixmap(markerPicture);
            m->hide();
            markers_[i] = m;
            grid->addWidget(m, p + 2, 2);
            b->attach(&flags_, m);
        } else {
            b->makeReadOnly();
            b->attach(&flags_);
        }
    }
    grid->setRowStretch(kPropertyCount + 2, 1);
}

CCalvexView::~CCalvexView()
{
    // The boxes outlive this object's members; they must not reach the flags any more.
    for (CIOBox* b : boxes_) {
        b->attach(nullptr);
    }
    if (!firstInit_) {
        writeDefaults(*openCalvexSettings(), defaults_);
    }
}

void CCalvexView::applySnapshot()
{
    defaults_.applyTo(doc_);
    for (int p = 0; p < kPropertyCount; ++p) {
        box(p)->setFormat(doc_.GetDisplayFormat(p));
    }
    flags_.recomputeNeeded = true;
}

void CCalvexView::OnInitialUpdate()
{
    if (firstInit_) {
        firstInit_ = false;
        defaults_ = readDefaults(*openCalvexSettings());
        if (doc_.IsNewDocument()) {
            applySnapshot();
        }
    }
    for (int p = 0; p < kPropertyCount; ++p) {
        box(p)->setFormat(doc_.GetDisplayFormat(p));
        box(p)->setRawValue(doc_.CurrentPoint().value(p));
    }
    label_->setText(fromLatin1(doc_.CurrentPoint().label()));
    if (doc_.CurrentPoint().value(kVolume) > 0.0) {
        flags_.recomputeNeeded = false;
    }
    doc_.SetModifiedFlag(false);
}

void CCalvexView::UseSettingsAsDefault()
{
    std::array<DisplayFormat, kPropertyCount> formats{};
    for (int p = 0; p < kPropertyCount; ++p) {
        formats[static_cast<std::size_t>(p)] = box(p)->format();
    }
    defaults_ = DefaultsSnapshot::fromFormats(formats, (doc_.InputSelection() & kInputIfc67) != 0);
}

void CCalvexView::RestoreDefaultSettings()
{
    applySnapshot();
    doc_.SetModifiedFlag();  // the document's format words changed
}

}  // namespace calvex

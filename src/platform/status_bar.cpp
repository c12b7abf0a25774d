#include "platform/status_bar.h"

#include "core/language.h"
#include "platform/geometry.h"

#include <QLabel>
#include <cmath>

namespace {
// What a screen reader says a panel is; its name is the text it shows.
const BiText kPanelDescription{QStringLiteral("状态栏第 %1 栏"), QStringLiteral("Status bar panel %1")};
}  // namespace

StatusBar::StatusBar(QWidget* parent)
    : QWidget(parent)
{
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(0);
        labels_[i] = label;
        showPanel(i + 1, QString());
    }
}

StatusBar::~StatusBar()
{
    unbind();
}

void StatusBar::setPanelWidths(const std::array<double, kStatusPanels>& twips)
{
    widths_ = twips;
    place();
}

QString StatusBar::panelText(int panel) const
{
    return labels_[panel - 1]->text();
}

void StatusBar::bind(StatusPanels& panels)
{
    unbind();
    bound_ = &panels;
    for (int i = 1; i <= kStatusPanels; ++i)
        showPanel(i, panels.text(i));
    panels.onChanged = [this](int panel, const QString& text) {
        if (panel >= 1 && panel <= kStatusPanels)
            showPanel(panel, text);
    };
}

void StatusBar::showPanel(int panel, const QString& text)
{
    QLabel* label = labels_[panel - 1];
    label->setText(text);
    label->setAccessibleDescription(kPanelDescription.text().arg(panel));
}

void StatusBar::unbind()
{
    if (bound_ != nullptr)
        bound_->onChanged = nullptr;
    bound_ = nullptr;
}

QSize StatusBar::sizeHint() const
{
    return {0, labels_[0]->sizeHint().height() + 2};
}

QSize StatusBar::minimumSizeHint() const
{
    return sizeHint();
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    place();
}

// Panels are laid out from the running sum of their widths, so that the
// rounding of each to whole pixels does not add up along the bar.
void StatusBar::place()
{
    double sum = 0;
    int left = 0;
    for (int i = 0; i < kStatusPanels; ++i) {
        sum += widths_[i];
        const int right = TwipsToPixels(sum);
        labels_[i]->setGeometry(left, 0, right - left, height());
        left = right;
    }
}

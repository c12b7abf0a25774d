#include "core/ui/form_type.h"

#include "core/language.h"
#include "core/model_bands.h"
#include "core/numbers.h"
#include "platform/mdi_frame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {
const BiText kCaption{QStringLiteral("机型选择"), QStringLiteral("Model Select")};
const BiText kConfirm{QStringLiteral("确 定"), QStringLiteral("Confirm")};
const BiText kCancel{QStringLiteral("取 消"), QStringLiteral("Cancel")};
const BiText kModel{QStringLiteral("机  型"), QStringLiteral("Model")};
const BiText kBand{QStringLiteral("频  段"), QStringLiteral("Band")};
constexpr int kListedModels = 7;  // ModelNames 0..6, the last four empty
constexpr double kSizeDivisor = 3;
constexpr double kRaiseTwips = 500;
}  // namespace

Form_type::Form_type()
    : Window(WindowKind::TopLevel),
      Combo_type(new QComboBox(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(this)),
      Label_band(new QLabel(this)),
      Command_enter(new QPushButton(this)),
      Command_Cancel(new QPushButton(this))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Combo_type->setEditable(true);
    Combo_type->setInsertPolicy(QComboBox::NoInsert);
    Label1->setBuddy(Combo_type);
    Label_band->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo_type, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Label_band, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_enter);
    buttons->addWidget(Command_Cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    // A choice made by code counts as a click, as one made by the user.
    connect(Combo_type, &QComboBox::currentIndexChanged, this, [this] { Combo_type_Click(); });
    connect(Combo_type->lineEdit(), &QLineEdit::textEdited, this, [this] { Combo_type_Change(); });
    connect(Command_enter, &QPushButton::clicked, this, [this] { Command_enter_Click(); });
    connect(Command_Cancel, &QPushButton::clicked, this, [this] { Command_Cancel_Click(); });
}

void Form_type::Form_Load()
{
    setWindowTitle(kCaption.text());
    Command_enter->setText(kConfirm.text());
    Command_Cancel->setText(kCancel.text());
    Label1->setText(kModel.text());
    Label2->setText(kBand.text());

    if (MdiFrame* main = Windows::Frame()) {
        const double width = main->ScaleWidth() / kSizeDivisor;
        const double height = main->ScaleHeight() / kSizeDivisor;
        Move((main->ScaleWidth() - width) / 2, (main->ScaleHeight() - height) / 2 - kRaiseTwips, width, height);
    }
    Show();

    Combo_type->clear();
    for (int i = 0; i < kListedModels; ++i)
        Combo_type->addItem(i < ModelNames.size() ? ModelNames[i] : QString());
    Combo_type->setCurrentIndex(std::clamp(ModelIndex, 0, kListedModels - 1));
    const int row = Combo_type->currentIndex();
    showBand(row);
    TypeText = Combo_type->currentText();
    BandVhfMin = BandTableCell(row, 0);
    BandVhfMax = BandTableCell(row, 1);
}

// " " and each limit behind the blank of its sign: "  130 --  179".
void Form_type::showBand(int row)
{
    if (row < 0)
        return;
    Label_band->setText(QStringLiteral(" ") + SignedText(BandTableCell(row, 0)) + QStringLiteral(" -- ")
                        + SignedText(BandTableCell(row, 1)));
}

void Form_type::Combo_type_Click()
{
    showBand(Combo_type->currentIndex());
    TypeText = Combo_type->currentText();
}

void Form_type::Combo_type_Change()
{
    Combo_type->setFocus();
    Combo_type->setEditText(TypeText);
}

void Form_type::Command_enter_Click()
{
    const int row = Combo_type->currentIndex();
    if (row >= 0) {
        BandVhfMin = BandTableCell(row, 0);
        BandVhfMax = BandTableCell(row, 1);
        ModelIndex = row;
    }
    Windows::Unload(this);
}

void Form_type::Command_Cancel_Click()
{
    Windows::Unload(this);
}

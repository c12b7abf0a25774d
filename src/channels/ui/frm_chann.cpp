#include "channels/ui/frm_chann.h"

#include "core/model_bands.h"
#include "core/numbers.h"

#include <QVBoxLayout>

namespace {

const BiText kTitle{QStringLiteral("信道参数编辑"), QStringLiteral("Channel Information")};

bool IsToneColumn(int col)
{
    return col == ChannCol::RxTone || col == ChannCol::TxTone;
}

}  // namespace

frm_chann::frm_chann(QWidget* parent)
    : QWidget(parent), MSF_Chann(new KitGrid(this)), Text_Edit(new KitText(this)),
      Combo_edit(new KitList(KitList::Style::Editable, this)), cells_(MSF_Chann)
{
    setObjectName(QStringLiteral("frm_chann"));
    MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
    Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
    Combo_edit->setObjectName(QStringLiteral("Combo_edit"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSF_Chann);

    // The editors lie over the grid, outside the layout, and never take the
    // focus from the tab chain.
    for (KitControl* editor : {static_cast<KitControl*>(Text_Edit), static_cast<KitControl*>(Combo_edit)})
        editor->setTabStop(false);
    Text_Edit->hide();
    Combo_edit->hide();

    MSF_Chann->onClick = [this] { MSF_Chann_Click(); };
    MSF_Chann->onLeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Chann->onScroll = [this] { MSF_Chann_Scroll(); };
    Combo_edit->onClick = [this] { Combo_edit_Click(); };
    Combo_edit->onChange = [this] { Combo_edit_Change(); };
    Combo_edit->onGotFocus = [this] { Combo_edit_GotFocus(); };
    Combo_edit->onKeyPress = [this](int& key) { Combo_edit_KeyPress(key); };
}

void frm_chann::Form_Load()
{
    BandVhfMin = kChannEditorVhfMin;
    BandVhfMax = kChannEditorVhfMax;
    BandUhfMin = kChannEditorUhfMin;
    BandUhfMax = kChannEditorUhfMax;

    setWindowTitle(kTitle.text());
    MSF_Chann->setFormatString(ChannGridFormat.text());
    Text_Edit->hide();

    // One row more than the channels: the load also shows the record that
    // follows the last channel, and resets it when it is empty.
    MSF_Chann->setRows(ChannCount + 2);
    NumberRows(false);
    for (int r = 1; r <= ChannCount + 1; ++r)
        Chann_Refresh(cells_, r);
}

void frm_chann::Form_Activate()
{
    MSF_Chann->setRows(ChannCount + 1);
    NumberRows(true);
}

void frm_chann::NumberRows(bool refresh)
{
    MSF_Chann->setCol(ChannCol::Number);
    for (int r = 1; r <= ChannCount; ++r) {
        MSF_Chann->setRow(r);
        MSF_Chann->setText(QString::number(r - 1));
        if (refresh)
            Chann_Refresh(cells_, r);
    }
}

void frm_chann::PlaceOverCell(QWidget* editor, int height)
{
    const QPoint at = MSF_Chann->pos() + QPoint(MSF_Chann->cellLeft(), MSF_Chann->cellTop());
    editor->setGeometry(at.x(), at.y(), MSF_Chann->cellWidth(), height);
    editor->show();
    editor->raise();
}

void frm_chann::MSF_Chann_Click()
{
    Cell_Edit();
}

void frm_chann::Cell_Edit()
{
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    EditText = MSF_Chann->text();
    const QString cellText = EditText;

    switch (Chann_EditorFor(cells_, EditRow, EditCol)) {
    case ChannEditor::None:
        return;
    case ChannEditor::HideBoth:
        Text_Edit->hide();
        Combo_edit->hide();
        return;
    case ChannEditor::Text:
        Combo_edit->hide();
        PlaceOverCell(Text_Edit, MSF_Chann->cellHeight());
        Text_Edit->setText(cellText);
        Text_Edit->setFocus();
        openCell_.open(EditRow, EditCol);
        return;
    case ChannEditor::List:
        Text_Edit->hide();
        comboRow_ = EditRow;
        comboCol_ = EditCol;
        PlaceOverCell(Combo_edit, Combo_edit->sizeHint().height());
        Combo_edit->setText(cellText);
        Combo_edit->setFocus();
        Combo_edit->clear();
        Combo_edit->addItems(ChannColumnItems(EditCol));
        // A tone cell's editor opens with an empty field over the whole list.
        if (!IsToneColumn(EditCol))
            Combo_edit->setText(cellText);
        openCell_.open(EditRow, EditCol);
        return;
    }
}

void frm_chann::Combo_edit_Click()
{
    EditText = Combo_edit->text();
    EditRow = comboRow_;
    EditCol = comboCol_;
    if (EditCol == ChannCol::Band)
        Chann_BandCommit(cells_, EditRow, EditText);
    else
        Chann_StoreChoice(cells_, EditRow, EditCol, Combo_edit->listIndex());
}

void frm_chann::Combo_edit_Change()
{
    // Outside the tone columns typing is undone at once: the list works as a
    // plain list.
    if (Combo_edit->isHidden() || IsToneColumn(comboCol_))
        return;
    Combo_edit->setFocus();
    Combo_edit->setText(EditText);
}

void frm_chann::Combo_edit_GotFocus()
{
    EditText = Combo_edit->text();
}

void frm_chann::Combo_edit_KeyPress(int& key)
{
    if (IsToneColumn(comboCol_))
        key = ChannToneKey(key);
    if (key == kKeyEnter && comboCol_ >= ChannCol::RxTone && comboCol_ <= ChannCol::Scrambler) {
        // Moving on commits this cell first.
        MSF_Chann->setCol(MSF_Chann->col() + 1);
        Cell_Edit();
    }
}

void frm_chann::MSF_Chann_LeaveCell()
{
    EditRow = MSF_Chann->row();
    EditCol = MSF_Chann->col();
    Text_Edit->hide();
    // Only a cell with an open editor is committed: a cell reached with the
    // arrow keys or passed by a redraw keeps its text and its bytes.
    if (!openCell_.takeForCommit(EditRow, EditCol))
        return;

    switch (EditCol) {
    case ChannCol::Band:
        Chann_BandCommit(cells_, EditRow, Combo_edit->text());
        return;  // the list stays where it is; the next Cell_Edit places the editors
    case ChannCol::RxFreq:
    case ChannCol::TxFreq:
    case ChannCol::Name:
        Entry_Commit();
        break;
    case ChannCol::RxTone:
    case ChannCol::TxTone:
        Tone_Commit();
        break;
    default:
        // The choice was stored when it was made.
        MSF_Chann->setTextMatrix(EditRow, EditCol, Combo_edit->text());
        break;
    }
    Text_Edit->hide();
    Combo_edit->hide();
    Text_Edit->setText(QString());
    Combo_edit->setText(QString());
}

void frm_chann::Tone_Commit()
{
    const QString tone = TrimBlanks(Combo_edit->text());
    if (Chann_StoreTypedTone(cells_, EditRow, EditCol, tone))
        return;
    const int item = ChannItemIndex(Combo_edit->items(), tone);
    if (item < 0)
        return;  // neither a tone nor an item: nothing changes
    Combo_edit->setListIndex(item);  // stores it (Combo_edit_Click)
    MSF_Chann->setTextMatrix(EditRow, EditCol, Combo_edit->text());
}

void frm_chann::Entry_Commit()
{
    // The frequency and name entry stores columns 2, 3 and 15 here.
}

void frm_chann::MSF_Chann_Scroll()
{
    Text_Edit->hide();
}

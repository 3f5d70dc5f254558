#include "AutoCompleteComboBoxModule.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

namespace qnr {

namespace {

int findPrefix(const QComboBox* combo, const QString& text)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

// The combo's own popup takes the keyboard while it is open; this list does not, so
// typing goes on in the edit field while the items show under it.
class DropList : public QListView {
public:
    explicit DropList(QComboBox* combo)
        : QListView(combo)
        , m_combo(combo)
    {
        setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setModel(combo->model());
        setModelColumn(combo->modelColumn());
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setUniformItemSizes(true);
        connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
            m_combo->setCurrentIndex(index.row());
            hide();
        });
    }

    void showUnder()
    {
        const int rows = std::min(m_combo->maxVisibleItems(), std::max(1, m_combo->count()));
        const int rowHeight = std::max(sizeHintForRow(0), fontMetrics().height() + 2);
        resize(m_combo->width(), rows * rowHeight + 2 * frameWidth());
        move(m_combo->mapToGlobal(QPoint(0, m_combo->height())));
        const int current = m_combo->currentIndex();
        if (current >= 0) {
            setCurrentIndex(model()->index(current, m_combo->modelColumn()));
            scrollTo(currentIndex(), QAbstractItemView::PositionAtTop);
        } else {
            clearSelection();
            setCurrentIndex(QModelIndex());
        }
        show();
    }

private:
    QComboBox* m_combo;
};

class AutoCompleteFilter : public QObject {
public:
    AutoCompleteFilter(QComboBox* combo)
        : QObject(combo)
        , m_combo(combo)
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
            hideList();
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        int code = 0;
        switch (key->key()) {
        case Qt::Key_Backspace:
            code = 8;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = 13;
            break;
        case Qt::Key_Escape:
            code = 27;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Delete:
            return false; // moving about is left to the combo
        default:
            if (key->text().isEmpty())
                return false;
            code = key->text().at(0).unicode();
            if (key->modifiers() & Qt::ControlModifier)
                code = code < 32 ? code : 1; // Ctrl+C, Ctrl+V: control keys
            break;
        }
        if (code == 13 || code == 27)
            hideList();
        // Enter comes back as 13: the window still sees it.
        return AutoCompleteComboBox(m_combo, code) == 0;
    }

private:
    void hideList()
    {
        if (auto* list = m_combo->findChild<DropList*>())
            list->hide();
    }

    QComboBox* m_combo;
};

} // namespace

void ShowComboDropDown(QComboBox* combo)
{
    if (!combo->isVisible())
        return;
    auto* list = combo->findChild<DropList*>();
    if (!list)
        list = new DropList(combo);
    list->showUnder();
}

int AutoCompleteComboBox(QComboBox* combo, int keyCode)
{
    QLineEdit* edit = combo ? combo->lineEdit() : nullptr;
    if (!edit)
        return 0;
    const QString text = edit->text();
    const bool hasSelection = edit->hasSelectedText();
    const int selectionStart = hasSelection ? edit->selectionStart() : -1;

    if (keyCode >= 32) {
        const QString typed = (hasSelection ? text.left(selectionStart) : text) + QChar(keyCode);
        const int match = findPrefix(combo, typed);
        if (match < 0) {
            combo->setCurrentIndex(-1);
            edit->setText(typed);
            edit->setCursorPosition(int(typed.size()));
        } else {
            const QString item = combo->itemText(match);
            combo->setCurrentIndex(match);
            edit->setText(item);
            edit->setSelection(int(item.size()), int(typed.size()) - int(item.size()));
        }
        ShowComboDropDown(combo);
        return 0;
    }

    edit->deselect();
    switch (keyCode) {
    case 8: {
        QString rest = text;
        if (hasSelection)
            rest = text.left(selectionStart);
        else if (!rest.isEmpty())
            rest.chop(1);
        edit->setText(rest);
        edit->setCursorPosition(int(rest.size()));
        return 0;
    }
    case 13:
        edit->setCursorPosition(int(text.size()));
        return 13;
    default:
        return 0;
    }
}

void installAutoComplete(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->lineEdit()->installEventFilter(new AutoCompleteFilter(combo));
}

} // namespace qnr

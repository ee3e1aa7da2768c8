#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// A child window of the main window that brings its own tool bar; the main window shows it in
// its tool-bar area while the child is active.
class MdiChild {
public:
    virtual ~MdiChild() = default;
    virtual QToolBar* childToolBar() = 0;
};

// Adds a child window, freed when closed: normal size for showMode 1, maximised otherwise.
inline QMdiSubWindow* AddChildForm(QMdiArea& area, QWidget* form, int showMode = 2)
{
    form->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = area.addSubWindow(form);
    if (showMode == 1)
        window->showNormal();
    else
        window->showMaximized();
    return window;
}

// Keeps at most one window of a class: brings an open one to the front (normal size for
// showMode 1, maximised otherwise) or creates it with `make`.
template <class Form, class Make> Form* OpenChildForm(QMdiArea& area, int showMode, Make make)
{
    const QString className = QLatin1String(Form::staticMetaObject.className());
    for (QMdiSubWindow* window : area.subWindowList()) {
        QWidget* form = window->widget();
        if (form && className.compare(QLatin1String(form->metaObject()->className()),
                                      Qt::CaseInsensitive) == 0) {
            if (showMode == 1)
                window->showNormal();
            else
                window->showMaximized();
            area.setActiveSubWindow(window);
            return static_cast<Form*>(form);
        }
    }
    Form* form = make();
    AddChildForm(area, form, showMode);
    return form;
}

// Index, counting every node from the top in display order, of the first node whose text
// (column 0) equals `text`; -1 when none.
inline int FindTreeNode(QTreeWidget& tree, const QString& text)
{
    int index = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it, ++index)
        if ((*it)->text(0) == text)
            return index;
    return -1;
}

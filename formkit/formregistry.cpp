#include "formkit/formregistry.h"

#include "formkit/appinfo.h"
#include "formkit/form.h"
#include "formkit/messagebox.h"
#include "formkit/services.h"

#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <utility>

FormRegistry::~FormRegistry()
{
    deleteRetired();
}

void FormRegistry::watch(Form *form)
{
    connect(form, &Form::loadedChanged, this, [this](bool loaded) {
        m_loaded += loaded ? 1 : -1;
        if (m_loaded == 0)
            emit lastWindowUnloaded();
    });
}

void FormRegistry::showMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon)
{
    ++m_messagesOpen;
    services().messages->show(parent, appinfo::title(), text, icon);
    if (--m_messagesOpen == 0 && !m_retired.isEmpty())
        deleteRetiredLater();
}

void FormRegistry::retire(QWidget *window)
{
    for (QDialog *box : window->findChildren<QDialog *>())
        box->reject();
    m_retired.removeAll(nullptr);
    m_retired.append(window);
    if (m_messagesOpen == 0)
        deleteRetiredLater();
}

void FormRegistry::deleteRetiredLater()
{
    // Not deleteLater(): asked for inside a box's loop, it deletes within that
    // loop, under the handler waiting there. A zero timer runs once the
    // handlers on the stack have returned, or in the next box's loop, which
    // is checked for.
    QTimer::singleShot(0, this, [this] {
        if (m_messagesOpen == 0)
            deleteRetired();
    });
}

void FormRegistry::deleteRetired()
{
    for (const QPointer<QWidget> &window : std::exchange(m_retired, {}))
        delete window.data();
}

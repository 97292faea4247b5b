#include "formkit/formregistry.h"

#include "formkit/form.h"

#include <QApplication>
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

void FormRegistry::endBusy()
{
    if (--m_busy > 0)
        return;
    const auto pending = std::exchange(m_deferredUnloads, {});
    for (const QPointer<Form> &form : pending) {
        // Run once the waiting handler has returned to the event loop.
        QTimer::singleShot(0, this, [form] {
            if (form)
                form->Unload();
        });
    }
}

void FormRegistry::deferUnload(Form *form)
{
    if (!m_deferredUnloads.contains(form))
        m_deferredUnloads.append(form);
}

void FormRegistry::retire(QWidget *window)
{
    for (QDialog *box : window->findChildren<QDialog *>())
        box->reject();
    m_retired.removeAll(nullptr);
    m_retired.append(window);
    deleteRetiredWhenIdle();
}

void FormRegistry::deleteRetiredWhenIdle()
{
    // Not deleteLater(): called in a box's or a phrase's loop, it deletes
    // within that loop, under the handler waiting there.
    QTimer::singleShot(isBusy() || QApplication::activeModalWidget() ? 50 : 0, this, [this] {
        if (isBusy() || QApplication::activeModalWidget())
            deleteRetiredWhenIdle();
        else
            deleteRetired();
    });
}

void FormRegistry::deleteRetired()
{
    for (const QPointer<QWidget> &window : std::exchange(m_retired, {}))
        delete window.data();
}

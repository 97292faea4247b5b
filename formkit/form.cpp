#include "formkit/form.h"

#include "formkit/formregistry.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

Form::Form(FormRegistry &registry, const QString &name)
    : m_registry(registry)
{
    setObjectName(name);
}

Form::~Form()
{
    delete m_window.data();
}

Form::State Form::state() const
{
    if (!m_window)
        return State::NotLoaded;
    return m_window->isVisible() ? State::LoadedShown : State::LoadedHidden;
}

void Form::load()
{
    if (m_window)
        return;
    QWidget *window = createControls();
    Q_ASSERT(window && !window->parentWidget());
    window->setObjectName(objectName());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->installEventFilter(this);
    m_window = window;
    m_centred = false;
    emit loadedChanged(true);
    Form_Load();
}

QWidget *Form::window()
{
    load();
    return m_window;
}

void Form::Show()
{
    load();
    if (!m_window) // Form_Load unloaded it again
        return;
    if (!m_centred) {
        m_centred = true;
        // The menu bar's height is known only once the window is polished.
        m_window->ensurePolished();
        m_window->resize(m_window->sizeHint());
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = m_window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            m_window->move(frame.topLeft());
        }
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::Hide()
{
    if (m_window)
        m_window->hide();
}

void Form::Unload()
{
    if (!m_window || m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    m_unloading = false;
    // Form_Unload may have unloaded the window itself through another path.
    QWidget *window = m_window;
    if (!window)
        return;
    m_window = nullptr;
    releaseControls();
    window->removeEventFilter(this);
    window->hide();
    // Handlers of these controls may still be on the stack: delete from the event loop.
    m_registry.retire(window);
    emit loadedChanged(false);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        // The close box is an unload; the widget itself is never closed by Qt.
        event->ignore();
        closeRequested();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class FormRegistry;

// One window of the program: a single instance that lives for the whole run,
// whose controls exist only while it is loaded. Show loads on demand, Unload
// destroys the controls but keeps the object's own variables.
class Form : public QObject
{
    Q_OBJECT

public:
    enum class State { NotLoaded, LoadedHidden, LoadedShown };
    Q_ENUM(State)

    Form(FormRegistry &registry, const QString &name);
    ~Form() override;

    State state() const;
    bool isLoaded() const { return m_window != nullptr; }
    bool isShown() const { return state() == State::LoadedShown; }
    FormRegistry &registry() const { return m_registry; }

    // Modeless, no owner: loads if needed, makes the window visible and raises it.
    void Show();
    void Hide();
    // Runs Form_Unload, then destroys the controls. Asking again while this
    // window's own Form_Unload runs adds nothing; unloading an unloaded window
    // does nothing at all.
    void Unload();
    // Reaching a control of an unloaded window loads it, hidden.
    QWidget *window();
    // The window if it is loaded, without loading it (a parent for messages).
    QWidget *loadedWindow() const { return m_window; }

signals:
    // Emitted as the window's controls are made, before Form_Load, and once
    // they are gone, after Form_Unload.
    void loadedChanged(bool loaded);

protected:
    // Builds the top-level window and its controls from the design.
    virtual QWidget *createControls() = 0;
    // Forgets every pointer to a control; called when the controls go.
    virtual void releaseControls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The window's close box: an unload.
    virtual void closeRequested() { Unload(); }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();

    FormRegistry &m_registry;
    QPointer<QWidget> m_window;
    bool m_unloading = false;
    bool m_centred = false;
};

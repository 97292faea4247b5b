#pragma once

#include <QString>
#include <QWidget>

// The speech-engine selector control of the card window: a list of modes
// numbered from 1 to the count, one of which is current (0 when none is).
class EngineSelector : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The mode that best matches "key=value;key=value" attributes, 0 when there are no modes.
    virtual qint32 Find(const QString &attributes) = 0;
    virtual bool Select(qint32 mode) = 0;
    virtual qint32 CountEngines() = 0;
    virtual QString ModeName(qint32 mode) = 0;
    virtual qint32 CurrentMode() = 0;
    virtual bool setCurrentMode(qint32 mode) = 0;

    QString lastError() const { return m_lastError; }

protected:
    void setLastError(const QString &error) { m_lastError = error; }

private:
    QString m_lastError;
};

EngineSelector *makeSystemEngineSelector(QWidget *parent);

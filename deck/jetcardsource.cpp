#include "deck/jetcardsource.h"

#include "deck/storemessages.h"

namespace {

class UnsupportedJetSource : public CardSource
{
public:
    explicit UnsupportedJetSource(const QString &path) : m_path(path) {}
    StoreResult<qint32> count() override { return storeMessages::notADatabase(m_path); }
    StoreResult<std::optional<QString>> firstCard() override { return storeMessages::notADatabase(m_path); }
    StoreResult<QString> cardAt(qint32) override { return storeMessages::notADatabase(m_path); }

private:
    QString m_path;
};

} // namespace

std::unique_ptr<CardSource> makeJetCardSource(const QString &path)
{
    return std::make_unique<UnsupportedJetSource>(path);
}

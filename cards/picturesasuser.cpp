#include "cards/picturesasuser.h"

#include "cards/commandrun.h"
#include "cards/invokinguser.h"
#include "deck/cardsetchange.h"

#include <QFileInfo>

#include <cstdio>

Result<CardImages, QString> cardImagesAsUser(const QString &imagePath)
{
    const std::optional<InvokingUser> user = InvokingUser::underSudo();
    if (!user)
        return makeCardImages(imagePath);
    const auto made = user->run({QLatin1String(picturesJob), QFileInfo(imagePath).absoluteFilePath()}, {},
                                CardSetChange::maxBytes);
    if (!made)
        return made.error();
    const auto change = CardSetChange::parse(made.value());
    if (!change || change->steps.size() != 1 || !std::holds_alternative<CardSetChange::AddCard>(change->steps[0]))
        return cards::tr("The pictures for \"%1\" could not be made: try another picture.").arg(imagePath);
    const auto &add = std::get<CardSetChange::AddCard>(change->steps[0]);
    return CardImages{add.bitmap, add.large, add.largeSuffix};
}

int decodeChildMain(const QString &imagePath)
{
    const auto images = makeCardImages(imagePath);
    if (!images) {
        std::fprintf(stderr, "%s\n", qPrintable(images.error()));
        return 1;
    }
    CardSetChange change;
    change.steps.append(CardSetChange::AddCard{{}, images->bitmap, images->largeSuffix, images->large, false});
    const QByteArray bytes = change.serialize();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) ? 0 : 1;
}

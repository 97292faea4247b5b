#pragma once

#include "base/result.h"
#include "deck/cardimage.h"

#include <QString>

// A card's pictures made from a user's photo with that user's rights: run as
// root through sudo, pomwit-cards decodes nothing itself but has a child
// process of its own, dropped to the invoking user (SUDO_UID, SUDO_GID),
// decode and fit the photo and hand back the finished files. Otherwise it is
// makeCardImages() in this process.
Result<CardImages, QString> cardImagesAsUser(const QString &imagePath);

// The child's side: what pomwit-cards runs when started with this as its
// first argument and a picture's path as its second.
constexpr auto decodeChildArgument = "--card-images-as-user";
int decodeChildMain(const QString &imagePath);

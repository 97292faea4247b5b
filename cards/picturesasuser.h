#pragma once

#include "base/result.h"
#include "deck/cardimage.h"

#include <QString>

// A card's pictures made from a user's photo with that user's rights: run as
// root through sudo, pomwit-cards decodes nothing itself but has a copy of
// itself with the invoking user's rights (see InvokingUser) decode and fit
// the photo and hand back the finished files. Otherwise it is
// makeCardImages() in this process.
Result<CardImages, QString> cardImagesAsUser(const QString &imagePath);

// The copy's side: "pictures PICTURE" writes the finished files to standard
// output as a one-step change.
constexpr auto picturesJob = "pictures";
int decodeChildMain(const QString &imagePath);

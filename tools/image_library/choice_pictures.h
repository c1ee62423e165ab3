// The pictures of the game lists: a small icon per game type with its won,
// not-won and not-played variants, the group folders, the feature bars of the
// preview and the organiser's arrows.
#pragma once

#include <vector>

#include "small_pictures.h"

namespace tablerun::images {

std::vector<TNamedPicture> fnChoicePictures();

}  // namespace tablerun::images

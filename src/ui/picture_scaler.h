#pragma once
// Decodes the avatar with QImage for the window icon.

#include "app/controls.h"

namespace tesmira::ui {

class PictureScalerControl final : public PictureScaler {
public:
    std::string iconPixels(std::string_view imageBytes) const override;
};

}  // namespace tesmira::ui

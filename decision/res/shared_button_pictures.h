// The button pictures several of decision's windows show: the OK, Cancel and close
// pairs (the chooser's and the case library's look, reused by the trap dialog, the
// ranking explanation, the wizard pages and the alternative panel).  Named once here for
// the windows' button tables; the chooser's and the case library's recipes paint them.
// Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"

namespace decision::shared_pictures {

inline constexpr kit::SkinPicture kOkHover{IDB_OK_HOVER, "ok_hover.bmp"};
inline constexpr kit::SkinPicture kOkNormal{IDB_OK_NORMAL, "ok_normal.bmp"};
inline constexpr kit::SkinPicture kCancelHover{IDB_CANCEL_HOVER, "cancel_hover.bmp"};
inline constexpr kit::SkinPicture kCancelNormal{IDB_CANCEL_NORMAL, "cancel_normal.bmp"};
inline constexpr kit::SkinPicture kCloseHover{IDB_CLOSE_HOVER, "close_hover.bmp"};
inline constexpr kit::SkinPicture kCloseNormal{IDB_CLOSE_NORMAL, "close_normal.bmp"};

}  // namespace decision::shared_pictures

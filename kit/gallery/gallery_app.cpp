// kit_gallery.exe: shows the kit gallery dialog; run it from the folder that holds
// gallery.bmp.
#include <windows.h>

#include "kit/gallery/gallery_dialog.h"
#include "kit/gallery/gallery_ids.h"
#include "kit/this_process.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  kit::set_up_this_process();
  kit::gallery::GalleryDialog gallery;
  return static_cast<int>(gallery.run_modal(instance, IDD_GALLERY, nullptr));
}

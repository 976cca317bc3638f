# The kit gallery's painted pictures (painter set "gallery"), listed once for the
# gallery's build and the host build's painter tests.  The painter refuses a list that
# differs from its set.
set(GALLERY_PICTURES
  gallery.bmp
  gallery_primary_normal.bmp gallery_primary_hover.bmp
  gallery_secondary_normal.bmp gallery_secondary_hover.bmp
  gallery_badge_normal.bmp gallery_badge_hover.bmp
  gallery_edit_box.bmp)
# Every one is painted again at each larger scale (kit/picture_scales.h).
set(GALLERY_SCALED_PICTURES ${GALLERY_PICTURES})

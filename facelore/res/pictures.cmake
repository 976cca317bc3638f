# facelore's painted pictures (painter set "facelore"), listed once for every build that
# paints them: facelore's own and the host build's painter tests.  The painter refuses
# a list that differs from its set.
set(FACELORE_PICTURES
  gr.bmp about.ggr
  advice_box.bmp definition_box.bmp character_box.bmp
  analyse_normal.bmp analyse_hover.bmp web_address.bmp
  install_normal.bmp install_hover.bmp
  hand.cur facelore.ico
  skin_pictures.rc)
# Every picture in BMP form is painted again at each larger scale (kit/picture_scales.h).
set(FACELORE_SCALED_PICTURES ${FACELORE_PICTURES})
list(FILTER FACELORE_SCALED_PICTURES EXCLUDE REGEX "\\.(ico|cur|rc)$")
# The two backgrounds the windows read from the working folder, installed beside the
# program; the rest are compiled into it by res/facelore.rc.
set(FACELORE_FOLDER_PICTURES gr.bmp about.ggr)

# The pkg-config modules the library is built on, as pairs of the prefix of
# their imported target (PkgConfig::<prefix>) and the module name. The public
# headers include none of them, so they are private to the library; the
# installed package config and pelkgraph.pc are written from this list.
set(PELK_PRIVATE_MODULES
  FREETYPE freetype2
  FONTCONFIG fontconfig
  LIBPNG libpng
  CAIRO cairo)

# One place for the language standard, warnings and Qt defines that every target of ours shares.
add_library(corvastel_common INTERFACE)
target_compile_features(corvastel_common INTERFACE cxx_std_20)
target_compile_options(corvastel_common INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
target_compile_definitions(corvastel_common INTERFACE
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER
  QT_NO_KEYWORDS
  CORVASTEL_VERSION="${PROJECT_VERSION}")

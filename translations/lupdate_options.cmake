# How lupdate collects the texts, for the build and the tests alike. The core,
# which has no Qt, marks its texts with store::translated and
# store::untranslated (src/store/translation.h). No line numbers, so that a
# .ts changes only with the texts.
set(POLKAMINA_LUPDATE_OPTIONS
  -tr-function-alias translate+=translated,QT_TRANSLATE_NOOP+=untranslated
  -locations none -no-obsolete -source-language ja)

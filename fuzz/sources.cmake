# The sources the fuzz targets run, relative to the repository's root.
set(zorn_fuzz_sources
  runtime/data.cpp
  runtime/str.cpp
  runtime/conversions.cpp
  runtime/text.cpp
  runtime/wire.cpp
  elements/cyrillic_case.cpp
  elements/str_mask.cpp
  elements/format_str.cpp
  elements/str_split.cpp
  link/line_assembler.cpp
  platform/posix/ini_file.cpp
)

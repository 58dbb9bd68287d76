# The display engine's fuzz targets (see CMakeLists.txt here).
kelvor_fuzz_target(style_sheet kelvor_engine)
kelvor_fuzz_target(link_names kelvor_engine)
kelvor_fuzz_target(html_reader kelvor_engine)
kelvor_fuzz_target(html_layout kelvor_engine)
kelvor_fuzz_target(engine_document kelvor_engine)
kelvor_fuzz_target(document_pictures kelvor_engine kelvor_platform_fakes)
kelvor_fuzz_target(selection_copy kelvor_engine)
kelvor_fuzz_target(print_pages kelvor_engine kelvor_platform_fakes)

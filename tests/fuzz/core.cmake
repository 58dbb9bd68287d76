# Fuzz targets of the calendar core (src/kelvor), on the fake platform.
kelvor_fuzz_target(pipeline kelvor_core kelvor_fakes)
kelvor_fuzz_target(rule_wording kelvor_core kelvor_fakes)
kelvor_fuzz_target(encoding kelvor_core kelvor_fakes)
kelvor_fuzz_target(zone_rule kelvor_platform)
kelvor_fuzz_target(reply kelvor_core)

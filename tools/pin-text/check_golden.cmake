# Runs pin-text for each case and compares its bytes with the golden file; runs the refused
# cases and checks their exit codes. Invoked by CTest with TOOL, EMULATOR, GOLDEN, WORK, WINDOWS.
# Output goes to files, not pipes: under Wine the wineserver a run starts would inherit a pipe and
# hold it open for seconds after the tool has ended.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_golden golden)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    OUTPUT_FILE ${WORK}/${golden} ERROR_FILE ${WORK}/stderr.txt RESULT_VARIABLE rc)
  file(READ ${WORK}/stderr.txt err)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${golden} ${GOLDEN}/${golden}
    RESULT_VARIABLE differs)
  if(NOT rc EQUAL 0 OR differs)
    message(SEND_ERROR "${golden}: exit ${rc}, ${err} output differs from the golden file (see ${WORK}/${golden})")
  endif()
endfunction()

function(expect_refused code)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    OUTPUT_FILE ${WORK}/stdout.txt ERROR_FILE ${WORK}/stderr.txt RESULT_VARIABLE rc)
  file(READ ${WORK}/stdout.txt out)
  file(READ ${WORK}/stderr.txt err)
  if(NOT rc EQUAL code OR NOT out STREQUAL "" OR err STREQUAL "")
    message(SEND_ERROR "pin-text ${ARGN}: expected exit ${code} with a message and no text, got exit ${rc}")
  endif()
endfunction()

# A date the calendar has: accepted, and written as entry 4.
function(expect_dated written)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    OUTPUT_FILE ${WORK}/dated.txt ERROR_FILE ${WORK}/stderr.txt RESULT_VARIABLE rc)
  file(READ ${WORK}/dated.txt out)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "\n  4: ${written}[^0-9/]")
    message(SEND_ERROR "pin-text ${ARGN}: expected entry 4 to read ${written}, got exit ${rc}")
  endif()
endfunction()

# The wizard's start values: every option left out but the date, then every option given.
expect_golden(start-values.txt --date 6/12/2026)
expect_golden(start-values.txt --product 0 --model 201 --sale 0 --country 0 --serial XXX00000
  --ramdac 250,250,250,203,152 --clocks 89,66 --date 06/12/2026)
expect_golden(lowest-speeds.txt --ramdac 75,75,75,75,75 --date 1/3/2027)
expect_golden(highest-speeds.txt --ramdac=320,320,320,320,320 --clocks=130,120 --date=31/12/1999)
# Model codes load the speeds the wizard loads for them.
expect_golden(sgram-207.txt --model 207 --date 6/12/2026)
expect_golden(sgram-207a.txt --product 0 --model 207a --sale 0 --country 0 --serial XXX00000
  --ramdac 250,250,250,232,176 --clocks 95,76 --date 6/12/2026)
expect_golden(sgram-210-bulk-taiwan.txt --model 210 --sale 2 --country 2 --date 6/12/2026)
expect_golden(mystique-001a-usa.txt --product 2 --model 001a --country 1 --date 6/12/2026)
expect_golden(marvel-infomagic-canada.txt --product 3 --sale 1 --date 6/12/2026)
expect_golden(sdram-004c-china.txt --product 1 --model 004c --country 3 --date 6/12/2026)
expect_golden(g200sd-pci-ireland.txt --product 4 --sale 1 --country 4 --date 6/12/2026)
# Serial numbers go out as given, in code page 932; an empty one leaves "  7: ".
expect_golden(serial-japanese.txt "--serial" "ＸＹ 123 テスト" --date 6/12/2026)
expect_golden(serial-empty.txt --serial= --date 6/12/2026)

expect_refused(2 --product 5)
expect_refused(2 --model 999)
expect_refused(2 --product 4 --model 201)
expect_refused(2 --ramdac 74,250,250,203,152)
expect_refused(2 --ramdac 250,250,250,203)
expect_refused(2 --clocks 131,66)
expect_refused(2 --clocks 89,65)
expect_refused(2 --date 6/12/26)
expect_refused(2 --date 32/1/2026)
# Days the calendar does not have.
expect_refused(2 --date 31/2/2026)
expect_refused(2 --date 29/2/2025)
expect_refused(2 --date 29/2/1900)
expect_refused(2 --date 31/4/2026)
expect_dated("29/2/2000" --date 29/2/2000)
expect_dated("29/2/2024" --date 29/02/2024)
expect_dated("30/4/2026" --date 30/4/2026)
expect_refused(2 --sale)
expect_refused(2 --colour red)
# Serial texts with characters code page 932 lacks are refused, not written with "?" in their
# place: on Windows too, where the ANSI code page would have turned them into "?" already.
expect_refused(1 --serial "😀")
expect_refused(1 --serial "KJ1Ü34567")
expect_refused(1 --serial "KJ1Ü34567" --date 6/12/2026)

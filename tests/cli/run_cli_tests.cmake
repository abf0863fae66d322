# End-to-end checks of plexa-cli: cmake -DCLI=... -DDATA=... -DOUT=... -P run_cli_tests.cmake

function(run_cli expected_code out_var)
    execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT code EQUAL expected_code)
        message(FATAL_ERROR "plexa-cli ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
    endif()
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

function(expect_match text regex what)
    if(NOT text MATCHES "${regex}")
        message(FATAL_ERROR "${what}: '${text}' does not match '${regex}'")
    endif()
endfunction()

# A blinker turns upright in one generation.
run_cli(0 out ${DATA}/cli/blinker.rle --generations 1)
expect_match("${out}" "^cycle=1 population=3 box=0,-1,0,1 seconds=[0-9.]+ gens_per_second=[0-9.]+\n$"
             "blinker")

# A period found ends the closing line; a moving one says how far it moves.
run_cli(0 out ${DATA}/cli/blinker.rle --generations 10)
expect_match("${out}" "^cycle=10 population=3 box=-1,0,1,0 seconds=[0-9.]+ gens_per_second=[0-9.]+ period=2 since=0\n$"
             "blinker's period")
run_cli(0 out ${DATA}/cli/glider.rle --generations 40)
expect_match("${out}" " period=4 since=0 moving=1,1\n$" "glider's period")
# Stopping once the period has held, with the history of every generation from cycle 0.
run_cli(0 out ${DATA}/cli/blinker.rle --generations 100 --stop-periodic --history ${OUT}/blinker.csv)
expect_match("${out}" "^cycle=2 .* period=2 since=0\n$" "stop when periodic")
file(READ ${OUT}/blinker.csv history HEX)
string(HEX "cycle,population,changed\r\n0,3,0\r\n1,3,4\r\n2,3,4\r\n" expected)
if(NOT history STREQUAL expected)
    message(FATAL_ERROR "blinker history: ${history}, expected ${expected}")
endif()
run_cli(1 out ${DATA}/cli/blinker.rle --history ${OUT}/no/such/folder/h.csv)

# A glider read with its rule, run and written back, reads again as the same glider.
run_cli(0 out ${DATA}/cli/glider.rle --generations 4 --out ${OUT}/glider4.rle)
expect_match("${out}" "population=5 " "glider")
file(READ ${OUT}/glider4.rle written HEX)
string(HEX "x = 3, y = 3\r\nbo$bbo$3o!\r\nA glider\r\n" expected)
if(NOT written STREQUAL expected)
    message(FATAL_ERROR "written glider: ${written}, expected ${expected}")
endif()
run_cli(0 again ${OUT}/glider4.rle --generations 0)
expect_match("${again}" "population=5 box=-1,-1,1,1 " "glider read back and centred")

# A run with the same options ends the same way every time.
function(expect_repeatable what)
    run_cli(0 first ${ARGN})
    run_cli(0 second ${ARGN})
    string(REGEX REPLACE " seconds=.*" "" first "${first}")
    string(REGEX REPLACE " seconds=.*" "" second "${second}")
    if(NOT first STREQUAL second)
        message(FATAL_ERROR "${what} differ: ${first} / ${second}")
    endif()
endfunction()

expect_repeatable("soups"
    --size 200x200 --wrap --random 50 --seed 7 --generations 50 --game Life --rule 23/3)
# Random particles repeat with the seed too.
expect_repeatable("particle runs"
    --size 400x300 --random 20 --seed 3 --generations 100 --game "Special rules")

# The sample rule library beside the program runs by its name.
run_cli(0 out --size 40x40 --game "User DLL" --rule dave --random 30 --seed 1 --generations 3)
expect_match("${out}" "^cycle=3 " "Dave")

# Every format converts to every writable one and back to the same cells.
foreach(format plx rle life105 life106 vlf optimal)
    run_cli(0 out ${DATA}/life105/gun.lif --out ${OUT}/gun.${format} --format ${format})
    run_cli(0 back ${OUT}/gun.${format} --generations 30)
    expect_match("${back}" "^cycle=30 population=41 " "gun through ${format}")
endforeach()
run_cli(2 out --format bogus)

# Bad options and missing files.
run_cli(2 out --generations -3)
run_cli(2 out --game Chess)
run_cli(2 out --size 10by10)
run_cli(2 out --frobnicate)
run_cli(1 out ${DATA}/cli/no-such-file.rle)

# Pictures and recordings: a PNG of the final live cells with a border of one cell, and a GIF
# of the run whose canvas is every place the cells reached; the closing line stays as it was.
function(expect_hex file offset length expected what)
    file(READ ${file} bytes OFFSET ${offset} LIMIT ${length} HEX)
    if(NOT bytes STREQUAL expected)
        message(FATAL_ERROR "${what}: ${bytes}, expected ${expected}")
    endif()
endfunction()
function(expect_gif_frames file expected)
    file(READ ${file} bytes HEX)
    # Every frame: its control block, then its image descriptor.
    string(REGEX MATCHALL "21f904[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]002c"
           frames "${bytes}")
    list(LENGTH frames count)
    if(NOT count EQUAL expected)
        message(FATAL_ERROR "${file}: ${count} frames, expected ${expected}")
    endif()
endfunction()
file(REMOVE ${OUT}/blinker.png ${OUT}/blinker.gif ${OUT}/big.png ${OUT}/three.gif)
run_cli(0 out ${DATA}/cli/blinker.rle --generations 10 --png ${OUT}/blinker.png --cell-size 3
        --gif ${OUT}/blinker.gif --every 2)
expect_match("${out}" "^cycle=10 population=3 box=-1,0,1,0 seconds=[0-9.]+ gens_per_second=[0-9.]+ period=2 since=0\n$"
             "blinker pictured")
expect_hex(${OUT}/blinker.png 0 4 "89504e47" "PNG signature")
expect_hex(${OUT}/blinker.png 16 8 "0000000f00000009" "PNG of 5 x 3 cells at 3 pixels")
# Every 2nd generation finds it lying down.
expect_hex(${OUT}/blinker.gif 0 10 "4749463839610f000900" "GIF89a of 5 x 3 cells at 3 pixels")
expect_gif_frames(${OUT}/blinker.gif 6)
# Out of range is clamped: 21 pixels a cell, at most one frame.
run_cli(0 out ${DATA}/cli/blinker.rle --generations 1 --png ${OUT}/big.png --cell-size 99
        --gif ${OUT}/three.gif --frames 3 --every 0)
expect_hex(${OUT}/big.png 16 8 "0000003f00000069" "PNG of 3 x 5 cells at 21 pixels")
expect_gif_frames(${OUT}/three.gif 2)
run_cli(0 out ${DATA}/cli/blinker.rle --generations 9 --gif ${OUT}/three.gif --frames 3)
expect_gif_frames(${OUT}/three.gif 3)
run_cli(2 out --cell-size big)
# A picture that cannot be written says which and leaves nothing.
run_cli(1 out ${DATA}/cli/blinker.rle --png ${OUT}/no-such-folder/b.png)
run_cli(1 out ${DATA}/cli/blinker.rle --gif ${OUT}/no-such-folder/b.gif)
if(EXISTS ${OUT}/no-such-folder)
    message(FATAL_ERROR "a failed picture left a folder behind")
endif()

# --list-rules prints the library as the program builds it: every built-in entry, the sample
# rule library beside the program and a user rule, each after its game's built-in entries. The
# program runs from a folder of its own so that only these are found there.
get_filename_component(bin ${CLI} DIRECTORY)
set(listing ${OUT}/listing)
file(REMOVE_RECURSE ${listing})
file(COPY ${CLI} ${bin}/UserDLLs DESTINATION ${listing})
file(WRITE ${listing}/User.rul
     "#GAME Vote for Life\r\n#RULE 3579\r\n#NAME Mine\r\n#KIND Chaotic\r\n")
get_filename_component(cli_name ${CLI} NAME)
set(CLI ${listing}/${cli_name})
run_cli(0 rules --list-rules)
set(dave "1-D totalistic\tWalls\tStable\tR2,C15,M1,S2,S3,B1,B3\nUser DLL\tDave\tUnknown\tDave\n")
set(mine "Vote for Life\tVote\tStable\t56789\nVote for Life\tMine\tChaotic\t3579\n")
foreach(line "${dave}" "${mine}")
    string(FIND "${rules}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "--list-rules lacks '${line}':\n${rules}")
    endif()
endforeach()
string(REPLACE "User DLL\tDave\tUnknown\tDave\n" "" rules "${rules}")
string(REPLACE "Vote for Life\tMine\tChaotic\t3579\n" "" rules "${rules}")
file(READ ${DATA}/library/built-in-rules.tsv built_in)
if(NOT rules STREQUAL built_in)
    message(FATAL_ERROR "--list-rules built-in entries:\n${rules}\nexpected:\n${built_in}")
endif()

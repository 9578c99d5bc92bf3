# The folders' include graph, read from the sources: cmake -DSOURCE_DIR=<checkout> -P tests/layers.cmake
# Prints which folders each folder includes and fails on an include of a folder of a higher layer,
# on one between two folders of the same layer and on a cycle of folders, naming the includes.
cmake_minimum_required(VERSION 3.25)

# Lowest first; folders on one line are of one layer and include none of each other. Layers only
# look down: a folder includes folders of the lines above it.
set(layers
  "platform"
  "calc/common"
  "widgets"
  "calc/carrier calc/simple"
  "calc/fixtures"
  "calc/screen"
  "calc/steel calc/castiron_cement calc/plastic_glass calc/building calc/network"
  "calc/registry"
  "help report"
  "select"
  "app"
  "bench tools tests")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(folders "")
set(rank 0)
foreach(line IN LISTS layers)
  string(REPLACE " " ";" line_folders "${line}")
  foreach(folder IN LISTS line_folders)
    list(APPEND folders ${folder})
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The listed folder a file lies in: its longest listed prefix.
function(folder_of path out)
  set(found "")
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}" length)
    string(LENGTH "${found}" found_length)
    if(path MATCHES "^${folder}/" AND length GREATER found_length)
      set(found ${folder})
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  if(source MATCHES "^(build|\\.git)")
    continue()
  endif()
  folder_of("${source}" from)
  if(from STREQUAL "")
    string(APPEND faults "${source}: its folder is in no layer of tests/layers.cmake\n")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"/]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
    folder_of("${included}" to)
    if(to STREQUAL "")
      string(APPEND faults "${source}: includes ${included}, of a folder in no layer\n")
    elseif(NOT to STREQUAL from)
      list(APPEND edges_${from} ${to})
      if(NOT rank_${to} LESS rank_${from})
        string(APPEND faults "${source}: ${from} includes ${included} of ${to}, a layer not below it\n")
      endif()
    endif()
  endforeach()
endforeach()

message("The folders' include graph (a folder -> the folders it includes):")
foreach(folder IN LISTS folders)
  if(DEFINED edges_${folder})
    list(REMOVE_DUPLICATES edges_${folder})
    list(SORT edges_${folder})
  endif()
  string(REPLACE ";" ", " shown "${edges_${folder}}")
  message("  ${folder} -> ${shown}")
endforeach()

# A cycle of folders: take away folders that include no folder left, until none can go; the rest
# lie on a cycle or lead into one. Follow includes within them until a folder comes round again.
set(left ${folders})
set(taken TRUE)
while(taken)
  set(taken FALSE)
  foreach(folder IN LISTS left)
    set(includes_left FALSE)
    foreach(to IN LISTS edges_${folder})
      if(to IN_LIST left)
        set(includes_left TRUE)
      endif()
    endforeach()
    if(NOT includes_left)
      list(REMOVE_ITEM left ${folder})
      set(taken TRUE)
    endif()
  endforeach()
endwhile()
if(left)
  list(GET left 0 folder)
  set(path "")
  while(NOT folder IN_LIST path)
    list(APPEND path ${folder})
    foreach(to IN LISTS edges_${folder})
      if(to IN_LIST left)
        set(folder ${to})
        break()
      endif()
    endforeach()
  endwhile()
  list(FIND path ${folder} start)
  list(SUBLIST path ${start} -1 cycle)
  list(APPEND cycle ${folder})
  string(REPLACE ";" " -> " cycle "${cycle}")
  string(APPEND faults "a cycle of folders: ${cycle}\n")
endif()

if(faults)
  message(FATAL_ERROR "Includes against the layers:\n${faults}")
endif()
message("No folder includes a folder of its own or a higher layer, and no folders include each other round.")

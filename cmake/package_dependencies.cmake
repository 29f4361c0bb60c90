# Run by cpack once the package's files are staged: the package's dependencies worked out from
# its binaries by dpkg-shlibdeps. What the programs link is what the package depends on; what
# only the sound module links (Qt Multimedia and the audio stack) is recommended, since the
# editor runs, silent, without it.
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
set(programs)
set(modules)
foreach(file IN LISTS staged)
  if(file MATCHES "/bin/[^/]+$")
    list(APPEND programs "${file}")
  elseif(file MATCHES "/zyned/[^/]+\\.so$")
    list(APPEND modules "${file}")
  endif()
endforeach()
set(recommended)
if(modules)
  set(recommended -dRecommends ${modules})
endif()
# dpkg-shlibdeps wants a source package's control file.
file(WRITE "${CPACK_TEMPORARY_DIRECTORY}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps -O -dDepends ${programs} ${recommended}
                WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}"
                OUTPUT_VARIABLE found ERROR_VARIABLE problems RESULT_VARIABLE status)
file(REMOVE_RECURSE "${CPACK_TEMPORARY_DIRECTORY}/debian")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-shlibdeps failed: ${problems}")
endif()
string(REGEX MATCH "shlibs:Depends=([^\n]*)" _ "${found}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
string(REGEX MATCH "shlibs:Recommends=([^\n]*)" _ "${found}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${CMAKE_MATCH_1}")

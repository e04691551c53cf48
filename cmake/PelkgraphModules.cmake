# pelk_find_modules(<prefix> <module> ...): pkg_check_modules with an imported
# target for each pair. Sets PELK_MODULE_TARGETS to the imported targets and
# PELK_MODULES_MISSING to the modules not found, so the caller decides whether
# that is fatal. Used by the build and by the installed package config.
function(pelk_find_modules)
  set(targets)
  set(missing)
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs prefix module)
    pkg_check_modules(${prefix} QUIET IMPORTED_TARGET ${module})
    if(${prefix}_FOUND)
      list(APPEND targets PkgConfig::${prefix})
    else()
      list(APPEND missing ${module})
    endif()
  endwhile()
  set(PELK_MODULE_TARGETS ${targets} PARENT_SCOPE)
  set(PELK_MODULES_MISSING ${missing} PARENT_SCOPE)
endfunction()

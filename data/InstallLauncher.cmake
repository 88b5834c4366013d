# Runs at install time, when CMAKE_INSTALL_PREFIX is the prefix really installed to.
#   velkaro_bindir, velkaro_private_dir, velkaro_applications_dir: relative to the prefix
#   velkaro_desktop_template: the desktop entry with @velkaro_program@ for the program's path
#   velkaro_staging_dir: where the finished entry is written before it is installed

function(velkaro_absolute out dir)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

velkaro_absolute(bindir "${velkaro_bindir}")
velkaro_absolute(private_dir "${velkaro_private_dir}")
velkaro_absolute(applications_dir "${velkaro_applications_dir}")

# A relative link keeps working when the whole tree is moved or staged with DESTDIR.
file(RELATIVE_PATH link_target "${bindir}" "${private_dir}/velkaro")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${bindir}")
file(CREATE_LINK "${link_target}" "$ENV{DESTDIR}${bindir}/velkaro" SYMBOLIC)
message(STATUS "Installing: $ENV{DESTDIR}${bindir}/velkaro -> ${link_target}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${bindir}/velkaro")

# The entry names the program by its full path, so the menu works also where the prefix's bin
# folder is not on the PATH (a prefix of ~/.local, say). A path with blanks or other reserved
# characters goes in double quotes, as the desktop entry format wants: backslash, quote, backtick
# and dollar escaped inside them, then every backslash doubled again for the string value, and a
# percent sign written twice.
set(velkaro_program "${bindir}/velkaro")
if(NOT velkaro_program MATCHES "^[A-Za-z0-9/._+-]*$")
    string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" velkaro_program "${velkaro_program}")
    string(REPLACE "\\" "\\\\" velkaro_program "${velkaro_program}")
    string(REPLACE "%" "%%" velkaro_program "${velkaro_program}")
    set(velkaro_program "\"${velkaro_program}\"")
endif()
configure_file("${velkaro_desktop_template}" "${velkaro_staging_dir}/velkaro.desktop" @ONLY)
file(INSTALL DESTINATION "${applications_dir}" TYPE FILE
    FILES "${velkaro_staging_dir}/velkaro.desktop")

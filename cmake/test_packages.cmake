# Finds what the tests need without failing, and lists the Debian packages
# that are missing in ZELMORA_MISSING_TEST_PACKAGES, so that a plain build
# leaves the tests off while a build that asks for them names everything at once.

set(ZELMORA_MISSING_TEST_PACKAGES "")
function(zelmora_test_needs found package)
  if(NOT ${found})
    set(missing ${ZELMORA_MISSING_TEST_PACKAGES})
    list(APPEND missing ${package})
    list(REMOVE_DUPLICATES missing)
    set(ZELMORA_MISSING_TEST_PACKAGES ${missing} PARENT_SCOPE)
  endif()
endfunction()

find_package(GTest QUIET)
zelmora_test_needs(GTest_FOUND libgtest-dev)
find_library(ICU_I18N icui18n)
find_library(ICU_UC icuuc)
zelmora_test_needs(ICU_I18N libicu-dev)
zelmora_test_needs(ICU_UC libicu-dev)
# libical's expansion of repeats is the reference for the user's days.
pkg_check_modules(LIBICAL QUIET libical)
zelmora_test_needs(LIBICAL_FOUND libical-dev)
# The window tests run under Xvfb and are driven and looked at with xdotool,
# xprop and ImageMagick; the page test loads pages in headless Chromium.
find_program(XVFB_RUN xvfb-run)
zelmora_test_needs(XVFB_RUN xvfb)
find_program(XAUTH xauth)
zelmora_test_needs(XAUTH xauth)
find_program(XDOTOOL xdotool)
zelmora_test_needs(XDOTOOL xdotool)
find_program(XPROP xprop)
zelmora_test_needs(XPROP x11-utils)
find_program(IMAGEMAGICK_IMPORT import)
zelmora_test_needs(IMAGEMAGICK_IMPORT imagemagick)
find_program(CHROMIUM chromium)
zelmora_test_needs(CHROMIUM chromium)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
zelmora_test_needs(DESKTOP_FILE_VALIDATE desktop-file-utils)
find_program(LINTIAN lintian)
zelmora_test_needs(LINTIAN lintian)
# Debian's own python3, which has python3-icalendar to read the iCalendar files back.
find_program(DEBIAN_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
zelmora_test_needs(DEBIAN_PYTHON3 python3)
set(PYTHON3_ICALENDAR OFF)
if(DEBIAN_PYTHON3)
  execute_process(COMMAND ${DEBIAN_PYTHON3} -c "import icalendar" RESULT_VARIABLE no_icalendar
    OUTPUT_QUIET ERROR_QUIET)
  if(no_icalendar EQUAL 0)
    set(PYTHON3_ICALENDAR ON)
  endif()
endif()
zelmora_test_needs(PYTHON3_ICALENDAR python3-icalendar)
# khal and calcurse read the user's days back as other calendars do.
find_program(KHAL khal)
zelmora_test_needs(KHAL khal)
find_program(CALCURSE calcurse)
zelmora_test_needs(CALCURSE calcurse)
# The window tests without an Ethiopic face keep DejaVu's.
find_file(DEJAVU_SANS DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu NO_DEFAULT_PATH)
zelmora_test_needs(DEJAVU_SANS fonts-dejavu-core)
find_library(LIBFAKETIME NAMES libfaketime.so.1 PATH_SUFFIXES faketime)
zelmora_test_needs(LIBFAKETIME faketime)
find_file(BASH_COMPLETION bash_completion PATHS /usr/share/bash-completion NO_DEFAULT_PATH)
zelmora_test_needs(BASH_COMPLETION bash-completion)
# The reminders are told to dunst, a real notification server, on a private
# session bus; dunstctl reads back what it took.
find_program(DUNSTCTL dunstctl)
zelmora_test_needs(DUNSTCTL dunst)
find_program(DBUS_RUN_SESSION dbus-run-session)
zelmora_test_needs(DBUS_RUN_SESSION dbus)
find_program(SYSTEMD_ANALYZE systemd-analyze)
zelmora_test_needs(SYSTEMD_ANALYZE systemd)

#!/usr/bin/env bash
# Pictures of the formation viewer, the new-mission wizard, the clipboard dialog, the library
# and the unknown-bytes dialog.
exec bash "$(dirname "$0")/screenshots.sh" 'WizardPictures.*'

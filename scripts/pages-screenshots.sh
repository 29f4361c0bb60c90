#!/usr/bin/env bash
# Pictures of the Messages, Global Goals, Teams and WPs tabs over a small sample mission.
exec bash "$(dirname "$0")/screenshots.sh" 'PagesPictures.*'

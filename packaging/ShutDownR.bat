#!/bin/sh
# Started by the console when the game server asks for the PC to restart.
exec systemctl --no-block reboot

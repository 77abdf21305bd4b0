<?php
function caught() { try { $r = work(); return $r; } catch (Exception $e) { return null; } }
function after() { try { return work(); } catch (Exception $e) { report(); } return null; }
function leaks() { try { return work(); } catch (Exception $e) { report(); } }
function work() { return 1; }
function report() { echo "x"; }
echo caught() . after() . leaks();

<?php
// A try whose body is more than one step keeps a path past it for an
// exception that skips the body, whatever the body is made of.
function afterEcho($a, $b) { try { echo $a; } catch (Exception $e) { return $b; } $c = $a ? 1 : 2; }
function afterAssignment($a, $b) { try { $x = $a; } catch (Exception $e) { return $b; } $c = isset($a[1]) ? $a[1] : null; }
function afterCall($a, $b) { try { f($a); } catch (Exception $e) { return $b; } $c = $a ? $b : null; }
function nestedTry($a, $b) { try { echo $a; } catch (Exception $e) { try { } catch (Exception $f) { return $a; } return $b; } $c = $a ? 1 : 2; }
function allReturn($a, $b) { try { echo $a; return $a; } catch (Exception $e) { return $b; } }
function emptyBody($a, $b) { try { } catch (Exception $e) { return $a; } return $b; }
function breakBody($a, $b) { while ($a) { try { break; } catch (Exception $e) { return $b; } } }
function f($x) { return $x; }
